#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>

class QListWidget;

// The file list of the editor's dialogs: the plain files of one folder whose names match a
// pattern ("*.scn"; several patterns separated by ";"), in name order without regard to letter
// case. A click (or moving the highlight with the keys) emits clicked, a double click
// doubleClicked and Enter enterPressed, each with the highlighted name.
class FileList : public QWidget
{
    Q_OBJECT
public:
    explicit FileList(QWidget* parent = nullptr);

    QString folder() const { return folder_; }
    // Lists the files of `folder` (either separator, any letter case); nothing is highlighted.
    void setFolder(const QString& folder);
    QString pattern() const { return pattern_; }
    void setPattern(const QString& pattern);
    // Reads the folder again; the highlighted name stays highlighted while it is listed.
    void refresh();

    QStringList names() const { return names_; }
    int count() const { return int(names_.size()); }
    // The highlighted file name (no folder), empty when none.
    QString selectedName() const;
    // Position of the highlighted name, -1 when none. Setting it emits nothing.
    int currentIndex() const;
    void setCurrentIndex(int index);

    QListWidget* view() const { return view_; }

signals:
    void clicked(const QString& name);
    void doubleClicked(const QString& name);
    // Emitted only while a name is highlighted.
    void enterPressed(const QString& name);

private:
    void fill(const QString& keep);

    QListWidget* view_;
    QString folder_;
    QString pattern_ = QStringLiteral("*.*");
    QStringList names_;
};

// The plain files of `folder` matching `pattern` (letter case ignored), sorted by name without
// regard to letter case.
QStringList matchingFileNames(const QString& folder, const QString& pattern);
