#include "ui/AboutDialog.h"

#include "base/BuildInfo.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QIcon>
#include <QLabel>
#include <QVBoxLayout>

AboutDialog::AboutDialog(QWidget *parent)
    : QDialog(parent)
    , m_text(new QLabel(this))
{
    setObjectName(QStringLiteral("AboutDialog"));
    m_text->setTextFormat(Qt::RichText);
    m_text->setOpenExternalLinks(true);
    m_text->setWordWrap(true);
    m_text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    auto *icon = new QLabel(this);
    icon->setPixmap(QIcon(QStringLiteral(":Images/Talvenquist.png")).pixmap(64, 64));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(icon, 0, Qt::AlignHCenter);
    layout->addWidget(m_text);
    layout->addWidget(buttons);
    retranslate();
}

void AboutDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QDialog::changeEvent(event);
}

void AboutDialog::retranslate()
{
    setWindowTitle(tr("About Talvenquist"));
    const QString libraries = tr("Built with:")
        + QStringLiteral("<ul><li>Qt %1 &mdash; LGPL 3</li>"
                         "<li>QuaZIP &mdash; LGPL 2.1</li>"
                         "<li>zlib &mdash; zlib licence</li>"
                         "<li>pdftotext (Poppler), when installed &mdash; GPL 2</li></ul>")
              .arg(QLatin1String(qVersion()));
    m_text->setText(QStringLiteral("<h3>Talvenquist v%1</h3><p>%2</p><p>%3</p><p>%4</p>")
                        .arg(BuildInfo::version(), tr("Finds files and folders by name and contents."),
                             tr("Build time: %1").arg(BuildInfo::buildTime()), libraries));
}
