#pragma once

#include "ui/ListPairDialog.h"

#include <functional>

class QPlainTextEdit;

// Edits a folder list as the folders to include and those to exclude; each
// list has a browse button that adds a folder chosen in the folder dialog.
class SelectPathsDialog : public ListPairDialog
{
    Q_OBJECT

public:
    SelectPathsDialog(const QStringList &includeList, const QStringList &excludeList, QWidget *parent = nullptr);

    // Tests replace the folder dialog (an empty result means canceled); an
    // empty function restores it. GUI thread only.
    using FolderChooser = std::function<QString(QWidget *parent)>;
    static void setFolderChooser(FolderChooser chooser);

protected:
    void retranslate() override;

private:
    void browseInto(QPlainTextEdit *edit);
};
