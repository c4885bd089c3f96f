// The check that the window tests rely on finds texts cut in each kind of control, and only those.
#include "clipped_texts.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace {

// Controls placed by hand in a window, each sized by the test.
class ClippedTexts : public ::testing::Test
{
protected:
    template <typename Control> Control* add(Control* control, const QString& name)
    {
        control->setObjectName(name);
        control->setParent(&window);
        control->show();
        // Shown and polished before it is sized: a list takes its size hint from its entries then.
        window.show();
        QApplication::processEvents();
        return control;
    }

    std::string found()
    {
        QApplication::processEvents();
        return clippedTexts(&window).join(QStringLiteral(" | ")).toStdString();
    }

    void SetUp() override { window.resize(600, 400); }

    QWidget window;
};

TEST_F(ClippedTexts, ButtonsAndLabelsAtTheirSizeFitAndCutWhenNarrower)
{
    const QString caption = QStringLiteral("Station parameter validation");
    auto* button = add(new QPushButton(caption), QStringLiteral("Command1"));
    auto* check = add(new QCheckBox(QStringLiteral("Refered to station class")), QStringLiteral("Check1"));
    auto* radio = add(new QRadioButton(QStringLiteral("Orbiting")), QStringLiteral("OrbitingShipOption"));
    auto* label = add(new QLabel(QStringLiteral("Ascending node longitude (°)")), QStringLiteral("Label"));
    auto* ok = add(new QPushButton(QStringLiteral("OK")), QStringLiteral("Command2"));
    for (QWidget* control : std::initializer_list<QWidget*>{button, check, radio, label})
        control->resize(control->sizeHint());
    // A short caption in a button narrower than the style's usual least button width still fits.
    ok->resize(ok->fontMetrics().horizontalAdvance(QStringLiteral("OK")) + 20, ok->sizeHint().height());
    EXPECT_EQ(found(), "");

    for (QWidget* control : std::initializer_list<QWidget*>{button, check, radio, label})
        control->resize(control->sizeHint() - QSize(12, 0));
    EXPECT_EQ(found(), "Label: Ascending node longitude (°) | Command1: Station parameter validation | "
                       "Check1: Refered to station class | OrbitingShipOption: Orbiting");

    // A caption made bold (a pending validation) needs more room than the same caption plain.
    button->resize(button->sizeHint());
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    EXPECT_NE(found().find("Command1"), std::string::npos);
}

TEST_F(ClippedTexts, WrappedLabelsAreMeasuredForHeightAndHiddenControlsNotAtAll)
{
    auto* note = add(new QLabel(QStringLiteral("The periapsis is below the surface, and the ship would crash "
                                               "into it before its first orbit.")),
                     QStringLiteral("Note"));
    note->setWordWrap(true);
    note->resize(160, note->heightForWidth(160));
    auto* hidden = add(new QLabel(QStringLiteral("A hidden caption")), QStringLiteral("Hidden"));
    hidden->resize(10, 10);
    hidden->hide();
    EXPECT_EQ(found(), "");

    note->resize(160, note->fontMetrics().height());
    EXPECT_EQ(found().substr(0, 6), "Note: ");
}

TEST_F(ClippedTexts, TextBoxesAreMeasuredForTheirTextAndTheirPlaceholder)
{
    auto* box = add(new QLineEdit(QStringLiteral("4230000")), QStringLiteral("Box"));
    box->setPlaceholderText(QStringLiteral("Class value"));
    const int placeholder = box->fontMetrics().horizontalAdvance(box->placeholderText());
    box->resize(placeholder + 20, box->sizeHint().height());
    EXPECT_EQ(found(), "");

    box->resize(placeholder, box->sizeHint().height());
    EXPECT_EQ(found(), "Box: Class value");
    box->setText(QStringLiteral("6778000.000000000001"));
    EXPECT_EQ(found(), "Box: 6778000.000000000001 | Box: Class value");
}

TEST_F(ClippedTexts, ListsAreMeasuredForTheEntryTheyShowAndFramesForTheirTitle)
{
    auto* list = add(new QComboBox, QStringLiteral("List"));
    list->addItems({QStringLiteral("Nightjar:Skipper"), QStringLiteral("Ærø Clipper:Hauler")});
    list->resize(list->sizeHint());
    auto* frame = add(new QGroupBox(QStringLiteral("Position rel. to reference")), QStringLiteral("Frame"));
    frame->resize(frame->minimumSizeHint());
    EXPECT_EQ(found(), "");

    list->resize(list->fontMetrics().horizontalAdvance(QStringLiteral("Nightjar:Skip")), list->height());
    frame->resize(frame->fontMetrics().horizontalAdvance(frame->title()) / 2, frame->height());
    EXPECT_EQ(found(), "List: Nightjar:Skipper | Frame: Position rel. to reference");
}

TEST_F(ClippedTexts, AControlPartlyOutsideTheWidgetItIsInIsCutByIt)
{
    auto* frame = add(new QGroupBox(QStringLiteral("Actions")), QStringLiteral("Frame3"));
    frame->setGeometry(0, 0, 300, 200);
    auto* button = new QPushButton(QStringLiteral("Delete station"), frame);
    button->setObjectName(QStringLiteral("Command2"));
    button->show();
    button->setGeometry(QRect(QPoint(10, 40), button->sizeHint()));
    EXPECT_EQ(found(), "");

    button->move(300 - button->width() / 2, 40);
    EXPECT_EQ(found(), "Command2: outside its QGroupBox");
}

} // namespace
