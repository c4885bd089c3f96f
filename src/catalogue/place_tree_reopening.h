#pragma once

#include "place_tree.h"

#include <QVector>

// The parent a tree shows `node` under: its parent when that comes before it, else none (-1),
// so that a node list that breaks the parent-first order still shows every node once.
int shownParent(const QVector<PlaceNode>& nodes, int node);

// The nodes of a rebuilt tree `after` that open: those marked expanded, and those whose path of
// texts from the top level down is that of a node of `before` listed in `openBefore` (the
// branches that were open in the tree shown before). The result is in node order.
QVector<int> nodesOpenAfterRebuild(const QVector<PlaceNode>& before, const QVector<int>& openBefore,
                                   const QVector<PlaceNode>& after);
