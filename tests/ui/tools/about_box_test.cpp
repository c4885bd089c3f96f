#include "tools_test_support.h"
#include "ui/about_box.h"
#include "ui/app_icon.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

namespace {

TEST(About, ShowsNameVersionIconAndEveryWayOfClosingGivesTheMainWindowBack)
{
    enum class Way { Ok, CloseBox, Escape };
    for (const Way way : {Way::Ok, Way::CloseBox, Way::Escape}) {
        QWidget main;
        main.setEnabled(false); // as the About command does before creating the box
        About about(&main);
        about.show();
        EXPECT_EQ(about.windowTitle(), u"About..."_s);
        EXPECT_TRUE(about.findChild<QLabel*>(u"Label4"_s)->font().bold());
        EXPECT_EQ(about.findChild<QLabel*>(u"Label5"_s)->text(), u"Version v1.09"_s);
        EXPECT_EQ(about.findChild<QLabel*>(u"Image1"_s)->pixmap().size(), QSize(32, 32));
        if (way == Way::Ok)
            saveScreenshot(about, u"about"_s);
        switch (way) {
        case Way::Ok:
            QTest::mouseClick(about.findChild<QPushButton*>(u"Command2"_s), Qt::LeftButton);
            break;
        case Way::CloseBox:
            about.close();
            break;
        case Way::Escape:
            QTest::keyClick(&about, Qt::Key_Escape);
            break;
        }
        EXPECT_FALSE(about.isVisible());
        EXPECT_TRUE(main.isEnabled()) << int(way);
    }
}

TEST(ApplicationIcon, IsDrawnAtEverySize)
{
    const QImage picture = applicationPixmap().toImage();
    ASSERT_EQ(picture.size(), QSize(32, 32));
    EXPECT_NE(picture.pixel(16, 16), picture.pixel(3, 16)); // the planet stands out from the sky
    for (const int size : {16, 64})
        EXPECT_EQ(applicationIcon().pixmap(size, size).size(), QSize(size, size));
    QLabel preview;
    preview.setPixmap(applicationIcon().pixmap(128, 128));
    preview.adjustSize();
    saveScreenshot(preview, u"app_icon_128"_s);
}

} // namespace
