#include "document/json_text.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>

namespace {

// What Qt's own writer makes of the string: the element of a one-element compact array.
QByteArray qtJson(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.sliced(1, array.size() - 2);
}

QByteArray ours(const QString& text)
{
    QByteArray out;
    appendJsonString(out, text);
    return out;
}

TEST(JsonText, EveryCharacterIsWrittenAsQtsWriterWritesIt)
{
    for (char32_t c = 0; c <= 0xFFFF; ++c) {
        const QString text = QStringLiteral("a") + QChar(char16_t(c)) + QStringLiteral("b");
        ASSERT_EQ(ours(text), qtJson(text)) << "U+" << std::hex << unsigned(c);
    }
}

TEST(JsonText, PairsLoneSurrogatesAndEmptyText)
{
    for (const QString& text :
         {QString(), QStringLiteral("Ærø \"Clipper\"\\\r\n\t\x01"), QString::fromUcs4(U"\U0001F680 x"),
          QString(QChar(0xD800)) + u'x', QString(QChar(0xDC00)), QString(QChar(0xD83D))})
        EXPECT_EQ(ours(text), qtJson(text)) << text.toStdString();
}

} // namespace
