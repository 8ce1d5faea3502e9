#pragma once

#include "ui/ListPairDialog.h"

// Edits a name expression, or a contents expression, as two lists of
// entries: those to include and those to exclude.
class SelectFileNamesDialog : public ListPairDialog
{
    Q_OBJECT

public:
    enum class Use { FileNames, Contents };

    SelectFileNamesDialog(const QStringList &includeList, const QStringList &excludeList, Use use,
                          QWidget *parent = nullptr);

protected:
    void retranslate() override;

private:
    Use m_use;
};
