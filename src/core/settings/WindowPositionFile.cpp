#include "core/settings/WindowPositionFile.h"

#include "core/text/TextCodec.h"
#include "core/text/TextFields.h"

#include <QFile>
#include <QFileInfo>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace {

// Element names are the key or section with spaces and backslashes replaced by
// "_"; anything else an XML name cannot hold is replaced too, so that an unusual
// executable name never yields a file that cannot be read back.
QString elementName(const QString &key)
{
    QString name = key;
    for (QChar &c : name) {
        if (c == u' ' || c == u'\\' || !(c.isLetterOrNumber() || c == u'_' || c == u'-' || c == u'.'))
            c = u'_';
    }
    if (name.isEmpty() || !(name[0].isLetter() || name[0] == u'_'))
        name.prepend(u'_');
    return name;
}

} // namespace

bool ReadWindowPositionFile(const QString &path, WindowPosition &position)
{
    position = WindowPosition();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QXmlStreamReader xml(&file);
    bool inForm = false;
    int depth = 0;
    int formDepth = -1;
    while (!xml.atEnd()) {
        const auto token = xml.readNext();
        if (token == QXmlStreamReader::StartElement) {
            ++depth;
            if (!inForm && depth == 2 && xml.name() == QLatin1String("Form")) {
                inForm = true;
                formDepth = depth;
                continue;
            }
            if (inForm && depth == formDepth + 1) {
                const QString key = xml.attributes().value(QLatin1String("Name")).toString();
                const QString text = xml.readElementText();
                --depth; // readElementText consumed the end element
                int value = 0;
                if (!ParseWholeNumber(text, &value))
                    continue;
                if (key == QLatin1String("Width"))
                    position.width = value;
                else if (key == QLatin1String("Height"))
                    position.height = value;
                else if (key == QLatin1String("TOP"))
                    position.top = value;
                else if (key == QLatin1String("LEFT"))
                    position.left = value;
            }
        } else if (token == QXmlStreamReader::EndElement) {
            if (inForm && depth == formDepth)
                inForm = false;
            --depth;
        }
    }
    return !xml.hasError();
}

bool WriteWindowPositionFile(const QString &path, const QString &exeName, const WindowPosition &position,
                             QString *error)
{
    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument();
    QString base = QFileInfo(exeName).fileName();
    const int dot = base.lastIndexOf(u'.');
    if (dot > 0)
        base.truncate(dot);
    xml.writeStartElement(elementName(base));
    xml.writeStartElement(QStringLiteral("Form"));
    const std::pair<const char *, int> values[] = {
        {"Width", position.width}, {"Height", position.height}, {"TOP", position.top}, {"LEFT", position.left}};
    for (const auto &[key, value] : values) {
        xml.writeStartElement(elementName(QLatin1String(key)));
        xml.writeAttribute(QStringLiteral("Name"), QLatin1String(key));
        xml.writeCharacters(QString::number(value));
        xml.writeEndElement();
    }
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndDocument();
    return WriteFileAtomically(path, bytes, error);
}
