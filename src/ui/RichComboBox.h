#pragma once

#include <QComboBox>
#include <QList>
#include <QStringList>
#include <QTextCharFormat>

class QAbstractButton;
class QMenu;
class RichLineEdit;

// An editable combo box whose text is drawn with highlight rules: every
// whole-word, case-sensitive occurrence of a rule's word is drawn in the
// rule's format. Used for expression fields, where the Boolean keywords are
// shown in bold.
class RichComboBox : public QComboBox
{
    Q_OBJECT

public:
    struct Highlight
    {
        QStringList words;
        QTextCharFormat format;
    };

    explicit RichComboBox(QWidget *parent = nullptr);

    RichLineEdit *richLineEdit() const { return m_lineEdit; }

    void addHighlight(const QStringList &words, const QTextCharFormat &format);
    void clearHighlights();
    QList<Highlight> highlights() const { return m_highlights; }

    // Boolean presentation of an expression field with its assist button:
    // the button shows an arrow and the keywords are bold; off brings back
    // "..." and plain text.
    static void setBooleanPresentation(RichComboBox *field, QAbstractButton *assistButton, bool on);
    // Pops up the keyword menu ("And", "Or", "Not") at the button's lower
    // left corner; a chosen keyword is inserted at the field's cursor.
    void popupKeywordMenu(QWidget *button);
    // Inserts 'keyword' at the cursor with a blank before it (unless at the
    // start or after a blank) and after it (unless a blank follows; always at
    // the end of the text), and gives the field the focus.
    void insertKeyword(const QString &keyword);

protected:
    void changeEvent(QEvent *event) override;

private:
    void retranslate();

    QList<Highlight> m_highlights;
    RichLineEdit *m_lineEdit = nullptr;
    QMenu *m_keywordMenu = nullptr;
};
