// The External Power popup under a dark desktop palette (Fusion with dark
// colours, as a dark theme gives them): the panel follows the theme and every
// text on it, the radio buttons' labels and the drawn labels, reads on it.
#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>
#include <QWidget>

#include "MainWindowFixture.h"
#include "common/DarkPalette.h"
#include "SetupCtrls/board/BoardHighlight.h"
#include "SetupCtrls/board/PopupForm.h"
#include "SetupCtrls/board/RadioPanel.h"
#include "toolkit/Label.h"
#include "toolkit/QtBridge.h"
#include "toolkit/RadioButton.h"

namespace {
// The greatest contrast any pixel of r (in the image) has with the background:
// text that reads has glyph pixels far from the background.
double StrongestContrast(const QImage& image, const QRect& r, TColor background)
{
    double best = 1;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            best = std::max(best, ContrastRatio(FromQRgb(image.pixel(x, y)), background));
    return best;
}

class DarkTheme : public MainWindowTest {
protected:
    void SetUp() override
    {
        savedPalette = QApplication::palette();
        savedStyle = QApplication::style()->name();
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        QApplication::setPalette(DarkPalette());
        MainWindowTest::SetUp();
    }
    void TearDown() override
    {
        MainWindowTest::TearDown();
        QApplication::setPalette(savedPalette);
        QApplication::setStyle(QStyleFactory::create(savedStyle));
    }
    QPalette savedPalette;
    QString savedStyle;
};
} // namespace

TEST_F(DarkTheme, RadioLabelsAndLabelsReadOnTheExternalPowerPanel)
{
    ShowAndPaint();
    form->PowerHighlight->MenuItemClick(nullptr);
    TPopupForm* popup = form->PowerHighlight->Popup();
    ASSERT_TRUE(popup && popup->Visible());
    TRadioPanel* panel = form->PowerPanel;
    const TColor face = ColorToRGB(panel->Color());
    // The panel takes the theme's face instead of a fixed light grey.
    EXPECT_EQ(ToQColor(face), DarkPalette().color(QPalette::Button));
    EXPECT_GE(ContrastRatio(ColorToRGB(clBtnText), face), 4.5);

    const QImage shot = panel->Handle()->grab().toImage();
    ASSERT_FALSE(shot.isNull());
    for (TRadioButton* radio : {form->BusPowerRadio, form->ExtPowerRadio}) {
        EXPECT_GE(ContrastRatio(radio->TextColor(), face), 4.5) << radio->Caption();
        // What the screen shows: the label's glyphs stand out of the panel.
        const QRect label = radio->Handle()->geometry().adjusted(20, 0, 0, 0);
        EXPECT_GE(StrongestContrast(shot, label, face), 4.5) << radio->Caption();
    }
    for (TLabel* l : {form->Label1, form->Label2})
        EXPECT_GE(StrongestContrast(shot, ToQRect(l->BoundsRect()), face), 4.5) << l->Caption();
}

TEST(ReadableText, SystemTextOnAFixedColourTurnsBlackOrWhiteFixedTextStays)
{
    const QPalette saved = QApplication::palette();
    QApplication::setPalette(DarkPalette());
    struct Case {
        TColor text, background, expected;
    };
    const Case cases[] = {
        {clWindowText, clWhite, clBlack},                      // light theme text on a fixed white
        {clWindowText, RGB(221, 221, 221), clBlack},          // the help text's fixed grey
        {clWindowText, clBlack, clWindowText},                 // reads already: kept
        {clWindowText, clBtnFace, clWindowText},               // the theme's own pair
        {RGB(64, 64, 64), RGB(30, 30, 30), RGB(64, 64, 64)},   // fixed text is never changed
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReadableTextColor(c.text, c.background), c.expected) << std::hex << c.text << " on " << c.background;
    QApplication::setPalette(saved);
}
