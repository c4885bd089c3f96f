#include "tools_test_support.h"
#include "ui/coordinate_converter.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

namespace {

class Converter : public ::testing::Test
{
protected:
    void SetUp() override { window->show(); }
    void TearDown() override
    {
        if (window)
            window->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    QString result(const QString& name) const { return window->findChild<QLabel*>(name)->text(); }
    QLineEdit* field(const QString& name) const { return window->findChild<QLineEdit*>(name); }
    void retype(const QString& name, const QString& value) const
    {
        field(name)->selectAll();
        QTest::keyClick(field(name), Qt::Key_Delete);
        QTest::keyClicks(field(name), value);
    }

    QPointer<CoordinateConverter> window = new CoordinateConverter(nullptr);
};

TEST_F(Converter, OpensWithTheConvertedStartVector)
{
    // The captions keep their typing errors.
    EXPECT_EQ(window->windowTitle(), u"Sperical cartesian coordinate converter"_s);
    // Wide enough for its whole title in a bold title font.
    QFont titleFont = window->font();
    titleFont.setBold(true);
    EXPECT_GT(window->width(), QFontMetrics(titleFont).horizontalAdvance(window->windowTitle()));
    EXPECT_EQ(result(u"Label2"_s), u"Radiius"_s);
    EXPECT_EQ(field(u"Radius"_s)->toolTip(), u"Vecor radius value"_s);
    // 100 cos 30° cos 60° = 25 √3.
    EXPECT_EQ(result(u"X"_s), u"43.3012701892219"_s);
    EXPECT_EQ(result(u"Y"_s), u"75"_s);
    EXPECT_EQ(result(u"Z"_s), u"50"_s);
    saveScreenshot(*window, u"coordinate_converter"_s);
}

TEST_F(Converter, ConvertsAtEveryKeystroke)
{
    retype(u"Elevation"_s, u"0"_s);
    retype(u"Azimuth"_s, u"9"_s);
    EXPECT_EQ(result(u"Y"_s), u"15.6434465040231"_s); // 100 sin 9°
    QTest::keyClick(field(u"Azimuth"_s), Qt::Key_0);
    EXPECT_EQ(result(u"X"_s), u"6.12323399573677E-15"_s);
    EXPECT_EQ(result(u"Y"_s), u"100"_s);
    EXPECT_EQ(result(u"Z"_s), u"0"_s);
    retype(u"Azimuth"_s, u"1e12"_s);
    EXPECT_FALSE(result(u"X"_s).isEmpty());
    retype(u"Radius"_s, u"x"_s);
    EXPECT_EQ(result(u"X"_s), u"0"_s);
}

TEST_F(Converter, ClosingByButtonOrEscapeDiscardsTheWindow)
{
    QTest::mouseClick(window->findChild<QPushButton*>(u"Command1"_s), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());

    window = new CoordinateConverter(nullptr);
    window->show();
    QTest::keyClick(field(u"Radius"_s), Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

} // namespace
