#pragma once

#include <initializer_list>

class QWidget;

// What a control of an editor tab must show: its objectName, its caption (button text or frame
// title) and its tooltip.
struct ControlTexts
{
    const char* name;
    const char* caption;
    const char* toolTip;
};

// Each button (push, check or option) of `tab` carries its caption and tooltip.
void expectButtonTexts(const QWidget* tab, std::initializer_list<ControlTexts> buttons);
// Each frame of `tab` carries its title.
void expectFrameTitles(const QWidget* tab, std::initializer_list<ControlTexts> frames);
// Each control of `tab` carries its tooltip.
void expectToolTips(const QWidget* tab, std::initializer_list<ControlTexts> controls);
// Each text is the caption of a label of `tab`.
void expectLabels(const QWidget* tab, std::initializer_list<const char*> captions);
