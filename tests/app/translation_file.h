#pragma once

#include <QFile>
#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace tavolin::testing {

struct Entry {
    QString translation;
    bool finished = false;
};
// A language's .ts file as its translator leaves it: by context, then English source.
using TsFile = std::map<std::pair<QString, QString>, Entry>;

inline TsFile readTs(const QString& language)
{
    QFile file(QStringLiteral(TAVOLIN_TRANSLATIONS_DIR "/tavolin_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    TsFile entries;
    QString context, source;
    for (QXmlStreamReader xml(&file); !xml.atEnd();) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"name")
            context = xml.readElementText();
        else if (xml.name() == u"source")
            source = xml.readElementText();
        else if (xml.name() == u"translation") {
            const QString type = xml.attributes().value(QStringLiteral("type")).toString();
            if (type != u"vanished" && type != u"obsolete")
                entries[{context, source}] = {xml.readElementText(), type.isEmpty()};
        }
    }
    return entries;
}

} // namespace tavolin::testing
