#include "ui/TabsFile.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

bool TabsFile::write(const QString &path, const Contents &contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QXmlStreamWriter writer(&file);
    writer.setAutoFormatting(true);
    writer.writeStartDocument();
    writer.writeStartElement(QStringLiteral("tabs"));
    writer.writeAttribute(QStringLiteral("current_tab"), QString::number(contents.currentTab));
    writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
    for (const TabParameters &tab : contents.tabs)
        writeTab(writer, tab);
    writer.writeEndElement();
    writer.writeEndDocument();
    return !writer.hasError() && file.commit();
}

void TabsFile::writeTab(QXmlStreamWriter &writer, const TabParameters &parameters)
{
    writer.writeStartElement(QStringLiteral("tab"));
    for (auto entry = parameters.cbegin(); entry != parameters.cend(); ++entry) {
        writer.writeEmptyElement(entry.key());
        writer.writeAttribute(QStringLiteral("value"), entry.value());
    }
    writer.writeEndElement();
}

bool TabsFile::read(const QString &path, Contents *contents)
{
    *contents = Contents();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader reader(&file);
    if (!reader.readNextStartElement() || reader.name() != QLatin1String("tabs"))
        return true;
    contents->currentTab = reader.attributes().value(QLatin1String("current_tab")).toInt();
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isStartElement() && reader.name() == QLatin1String("tab"))
            contents->tabs.append(readTab(reader));
    }
    return true;
}

TabParameters TabsFile::readTab(QXmlStreamReader &reader)
{
    TabParameters parameters;
    while (!reader.atEnd() && !reader.hasError()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == QLatin1String("tab"))
            break;
        if (reader.isStartElement())
            parameters[reader.name().toString()] = reader.attributes().value(QLatin1String("value")).toString();
    }
    return parameters;
}
