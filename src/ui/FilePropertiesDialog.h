#pragma once

#include "ui/BackgroundQueue.h"

#include <QDialog>
#include <QStringList>

class QFormLayout;
class QLabel;

// The properties of one or several files where the desktop's file manager
// cannot show them: name, folder, size, type, the three times, owner and
// permissions of one file; count, common folder and total size of several.
// Everything is read on a worker; a folder's size is the sum of what it
// holds, counted until the dialog closes.
class FilePropertiesDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FilePropertiesDialog(const QStringList &paths, QWidget *parent = nullptr);
    ~FilePropertiesDialog() override;

    // The shown value of a field ("name", "folder", "size", "type",
    // "created", "modified", "accessed", "owner", "permissions").
    QString field(const QString &key) const;

signals:
    // All fields are filled in.
    void loaded();

protected:
    void changeEvent(QEvent *event) override;

private:
    struct Facts;
    void addField(const QString &key, const QString &caption);
    void showFacts(const Facts &facts);
    void retranslate();

    QStringList m_paths;
    QFormLayout *m_form;
    QList<QLabel *> m_captions;
    BackgroundQueue m_queue;
};
