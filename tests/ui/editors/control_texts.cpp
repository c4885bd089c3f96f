#include "control_texts.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>

namespace {

template <typename T> const T* control(const QWidget* tab, const char* name)
{
    const T* widget = tab->findChild<const T*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

} // namespace

void expectButtonTexts(const QWidget* tab, std::initializer_list<ControlTexts> buttons)
{
    for (const ControlTexts& e : buttons) {
        if (const auto* button = control<QAbstractButton>(tab, e.name)) {
            EXPECT_EQ(button->text(), QString::fromUtf8(e.caption)) << e.name;
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(e.toolTip)) << e.name;
        }
    }
}

void expectFrameTitles(const QWidget* tab, std::initializer_list<ControlTexts> frames)
{
    for (const ControlTexts& e : frames) {
        if (const auto* frame = control<QGroupBox>(tab, e.name)) {
            EXPECT_EQ(frame->title(), QString::fromUtf8(e.caption)) << e.name;
        }
    }
}

void expectToolTips(const QWidget* tab, std::initializer_list<ControlTexts> controls)
{
    for (const ControlTexts& e : controls) {
        if (const auto* widget = control<QWidget>(tab, e.name)) {
            EXPECT_EQ(widget->toolTip(), QString::fromUtf8(e.toolTip)) << e.name;
        }
    }
}

void expectLabels(const QWidget* tab, std::initializer_list<const char*> captions)
{
    QStringList shown;
    for (const QLabel* label : tab->findChildren<const QLabel*>())
        shown.append(label->text());
    for (const char* caption : captions)
        EXPECT_TRUE(shown.contains(QString::fromUtf8(caption))) << caption;
}
