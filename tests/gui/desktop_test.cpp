// The window on desktops other than the light one it was drawn for: dark
// colours, other styles, fractional scales (this suite also runs under
// QT_SCALE_FACTOR), the keyboard and a screen reader.

#include "solve_fixture.h"

#include "about_window/form_about.h"
#include "backpressure_window/form_backpressure.h"
#include "form_runtime/chart_surface.h"
#include "form_runtime/text_box.h"
#include "solver_window/form_ventrolex.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <set>

namespace {

using form_runtime::ChartSurface;
using form_runtime::TextBox;

const QColor kPaleYellow(255, 255, 192);
const QColor kGridGrey(200, 200, 200);

double luminance(QColor c)
{
    const auto linear = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.red()) + 0.7152 * linear(c.green()) + 0.0722 * linear(c.blue());
}

// The strongest contrast (WCAG) of any pixel of `area` against `background`.
double bestContrast(const QImage &image, QRect area, QColor background)
{
    const double lb = luminance(background);
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            if (!image.valid(x, y))
                continue;
            const double l = luminance(image.pixelColor(x, y));
            best = std::max(best, (std::max(l, lb) + 0.05) / (std::min(l, lb) + 0.05));
        }
    return best;
}

// The device pixels of a logical rectangle of a widget rendered with grab().
QRect devicePixels(const QImage &image, QRectF logical)
{
    const qreal dpr = image.devicePixelRatio();
    const QRectF d(logical.topLeft() * dpr, logical.size() * dpr);
    return QRect(QPoint(int(std::ceil(d.left())), int(std::ceil(d.top()))),
                 QPoint(int(std::floor(d.right())) - 1, int(std::floor(d.bottom())) - 1));
}

class DesktopTest : public testing_gui::SolveTest {
protected:
    template <typename T = QWidget>
    T *find(const char *name) { return form.findChild<T *>(QLatin1String(name)); }
    // Station 1, an option ("Option_A2" or "Option_Msub"), the station-2 value, and a click.
    void solve(const char *option, const QString &M1, const QString &A1, const QString &station2)
    {
        if (QLatin1String(option) == QLatin1String("Option_A2"))
            solveForArea(M1, A1, station2);
        else
            solveForMach(M1, A1, station2);
    }
};

TEST_F(DesktopTest, FixedBackgroundsKeepADarkForegroundUnderADarkPalette)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (auto role : {QPalette::Window, QPalette::Base, QPalette::Button})
        dark.setColor(role, QColor(40, 40, 40));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(role, QColor(235, 235, 235));
    QApplication::setPalette(dark);
    QApplication::processEvents();

    solve("Option_Msub", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
    // The contour at the throat, M = 1, half-height 0.5.
    const QImage chart = testing_gui::rendered(geo);
    for (double y : {0.5, -0.5}) {
        const QPointF throat = geo->toPixel(1, y);
        EXPECT_GE(bestContrast(chart, devicePixels(chart, QRectF(throat - QPointF(1.5, 1.5), QSizeF(3, 3))), kPaleYellow), 7.0) << y;
    }
    // The About labels with the default text colour.
    Form_About &about = Form_About::instance();
    for (const char *name : {"Label7", "Label8", "Label4"}) {
        QLabel *label = about.findChild<QLabel *>(QLatin1String(name));
        const QImage text = testing_gui::rendered(label);
        EXPECT_GE(bestContrast(text, text.rect(), kPaleYellow), 4.5) << name;
    }
    // The pressure chart, drawn in fixed colours, keeps its white paper.
    auto *pressure = testing_gui::panelOf<Form_BackPressure>(form, "Mn_BackPressure").findChild<form_runtime::ChartSurface *>(QStringLiteral("Picture_pressure"));
    EXPECT_EQ(pressure->background(), QColor(Qt::white));
    EXPECT_EQ(pressure->palette().color(QPalette::WindowText), QColor(Qt::black));
    // What has no fixed background follows the desktop.
    EXPECT_EQ(iter->palette().color(QPalette::Window), QColor(40, 40, 40));
    QApplication::setPalette(light);
}

struct WideResult {
    const char *option, *M1, *A1, *station2;
    const char *box, *text;
    const char *displayed; // a pattern for what the box paints
    bool cut; // too wide even in the smallest size: shown cut, with an ellipsis
};

class ResultWiderThanItsBox : public DesktopTest, public testing::WithParamInterface<WideResult> {};

TEST_P(ResultWiderThanItsBox, ShowsWholeOrMarked)
{
    const WideResult &c = GetParam();
    solve(c.option, QLatin1String(c.M1), QLatin1String(c.A1), QLatin1String(c.station2));
    auto *box = find<TextBox>(c.box);
    const QFont usual = find("Text_M1")->font();
    EXPECT_EQ(box->text(), QLatin1String(c.text));
    EXPECT_EQ(box->toolTip(), QLatin1String(c.text));
    EXPECT_FALSE(box->accessibleDescription().contains(QLatin1String(c.text))); // heard once, as its text
    EXPECT_EQ(box->isCut(), c.cut);
    // Seen as the number it is: leading digits and the whole exponent.
    EXPECT_TRUE(QRegularExpression(QString::fromUtf8(c.displayed)).match(box->displayedText()).hasMatch())
        << box->displayedText().toStdString();
    EXPECT_LT(box->font().pointSizeF(), usual.pointSizeF());
    EXPECT_GE(box->font().pointSizeF(), 6);

    // Typing into it brings the usual font back.
    QTest::keyClick(box, Qt::Key_End);
    QTest::keyClick(box, Qt::Key_Backspace);
    EXPECT_EQ(box->font(), usual);
    EXPECT_FALSE(box->isCut());
    EXPECT_TRUE(box->toolTip().isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Results, ResultWiderThanItsBox,
    testing::Values(WideResult{"Option_Msub", "0.5", "1E+300", "1E+300", "Text_Astar", "7.46355685131195E+299", "^7(\\.4\\d*)?…E\\+299$", true},
                    WideResult{"Option_Msub", "0.5", "1", "1000", "Text_Msup", "12.1222", "^12\\.1222$", false}));

// A box whose warning sign went shows its text across the whole box again, as
// a box that never had one, and a screen reader finds no sign in it. (Inside
// the frame: the frame may show whether the pointer is over the box.)
TEST_F(DesktopTest, BoxThatLosesItsSignIsAsOneThatNeverHadOne)
{
    auto *box = find<TextBox>("Text_A1");
    box->setText(QStringLiteral("1.23456789012345678901234567890"));
    box->setCursorPosition(0);
    const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) + 1;
    const auto inside = [&] {
        const QImage image = testing_gui::rendered(box);
        return image.copy(devicePixels(image, QRectF(box->rect()).adjusted(frame, frame, -frame, -frame)));
    };
    const QImage never = inside();
    box->flag(QStringLiteral("Read as 1.2345678901234568."));
    EXPECT_NE(inside(), never) << "the sign is seen";
    box->unflag();
    EXPECT_EQ(inside(), never);
    box->flag(QStringLiteral("Read as 1.2345678901234568."));
    EXPECT_NE(inside(), never) << "the sign is seen again";
    box->unflag();
    QAccessibleInterface *boxReader = QAccessible::queryAccessibleInterface(box);
    for (int i = 0; i < boxReader->childCount(); ++i)
        EXPECT_TRUE(boxReader->child(i)->state().invisible) << boxReader->child(i)->text(QAccessible::Name).toStdString();
}

TEST_F(DesktopTest, WorkedResultsKeepTheUsualFontUnderTheShippedStyles)
{
    const QString before = QApplication::style()->name();
    for (const char *style : {"Fusion", "Windows"}) {
        QApplication::setStyle(QStyleFactory::create(QLatin1String(style)));
        solve("Option_Msub", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
        solve("Option_A2", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
        for (const char *box : {"Text_Astar", "Text_Msub", "Text_A2"}) {
            EXPECT_TRUE(find<TextBox>(box)->toolTip().isEmpty()) << style << " " << box;
            EXPECT_EQ(find(box)->font(), find("Text_M1")->font()) << style << " " << box;
        }
        // "1.7023" with its sign at the corner (the root is 1.7024), in the
        // usual font, whole, and seen: the sign stands above its last digit.
        solve("Option_Msub", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1"));
        auto *Msup = find<TextBox>("Text_Msup");
        EXPECT_TRUE(Msup->hasResultSign()) << style;
        EXPECT_EQ(Msup->toolTip(), Msup->note()) << style;
        EXPECT_EQ(Msup->font(), find("Text_M1")->font()) << style;
        EXPECT_EQ(Msup->displayedText(), QStringLiteral("1.7023")) << style;
        // The digits' ink, as the box alone paints it, lies clear of the sign.
        const QImage alone = Msup->grab().toImage();
        const QColor ink = Msup->palette().color(QPalette::Text);
        QRect inked;
        const QRect inside = Msup->rect().adjusted(3, 3, -3, -3); // within the frame
        for (int y = inside.top(); y <= inside.bottom(); ++y)
            for (int x = inside.left(); x <= inside.right(); ++x) {
                const QColor c = alone.pixelColor(QPointF(QPointF(x, y) * alone.devicePixelRatio()).toPoint());
                if (std::abs(c.lightness() - ink.lightness()) < 96)
                    inked |= QRect(x, y, 1, 1);
            }
        ASSERT_FALSE(inked.isEmpty()) << style;
        const QRect sign = Msup->resultSignRect();
        EXPECT_GE(sign.width(), 8) << style;
        EXPECT_FALSE(inked.translated(Msup->pos()).intersects(sign))
            << style << ": digits at " << inked.top() << ".." << inked.bottom() << ", sign down to " << sign.bottom() - Msup->y();
        auto *drawn = Msup->parentWidget()->findChild<QLabel *>(QStringLiteral("Text_Msup_Sign"));
        ASSERT_NE(drawn, nullptr) << style;
        EXPECT_TRUE(drawn->isVisible()) << style;
        EXPECT_EQ(drawn->geometry(), sign) << style;
        solve("Option_A2", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
        EXPECT_FALSE(drawn->isVisible()) << "a result with no doubt has no sign: " << style;
    }
    QApplication::setStyle(QStyleFactory::create(before));
}

TEST_F(DesktopTest, GridLinesAreWholeDevicePixelsOfTheirColour)
{
    QTest::mouseDClick(geo, Qt::LeftButton);
    const QPixmap window = form.grab();
    const QImage image = window.toImage();
    const double dpr = window.devicePixelRatio();
    const auto device = [&](double x, double y) { return (geo->mapTo(&form, geo->toPixel(x, y)) * dpr).toPoint(); };
    // Across the grid line x = 2 at y = -5, and across the line y = -4 at x = 2.25:
    // only grid grey and the background, no blend of the two.
    const QPoint rowStart = device(1.9, -5), rowEnd = device(2.1, -5);
    const QPoint colStart = device(2.25, -4.3), colEnd = device(2.25, -3.7);
    std::set<QRgb> row, column;
    for (int x = rowStart.x(); x <= rowEnd.x(); ++x)
        row.insert(image.pixel(x, rowStart.y()));
    for (int y = colStart.y(); y <= colEnd.y(); ++y)
        column.insert(image.pixel(colStart.x(), y));
    const std::set<QRgb> gridAndBackground{kGridGrey.rgb(), kPaleYellow.rgb()};
    EXPECT_EQ(row, gridAndBackground) << "scale " << dpr;
    EXPECT_EQ(column, gridAndBackground) << "scale " << dpr;
}

// Return or Enter solves from any input box, as from the focused command
// button; in a result box it does nothing.
TEST_F(DesktopTest, ReturnSolvesFromAnInputBoxAndTheFocusedButton)
{
    type("Text_M1", QStringLiteral("0.5"));
    QTest::mouseClick(find("Option_A2"), Qt::LeftButton, {}, QPoint(6, 8));
    type("Text_Msub", QStringLiteral("2"));
    QTest::keyClick(find("Text_Msub"), Qt::Key_Return);
    EXPECT_EQ(find<QLineEdit>("Text_A2")->text(), QStringLiteral("1.2595"));
    find<QLineEdit>("Text_A2")->clear();
    QTest::keyClick(find("Text_A2"), Qt::Key_Return);
    EXPECT_EQ(find<QLineEdit>("Text_A2")->text(), QString());
    QTest::keyClick(find("Text_M1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(find<QLineEdit>("Text_A2")->text(), QStringLiteral("1.2595"));
    find<QLineEdit>("Text_A2")->clear();

    find("Command1")->setFocus();
    QTest::keyClick(find("Command1"), Qt::Key_Return);
    EXPECT_EQ(find<QLineEdit>("Text_A2")->text(), QStringLiteral("1.2595"));
    find<QLineEdit>("Text_A2")->clear();
    QTest::keyClick(find("Command1"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(find<QLineEdit>("Text_A2")->text(), QStringLiteral("1.2595"));
    EXPECT_TRUE(messages.shown().empty());
}

TEST_F(DesktopTest, ChartWithTheFocusShowsIt)
{
    form.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    geo->setFocus();
    ASSERT_TRUE(geo->hasFocus());
    const QImage focused = testing_gui::rendered(geo);
    find("Text_M1")->setFocus();
    const QImage unfocused = testing_gui::rendered(geo);
    // Just inside the border, and only there.
    const QRectF inside = geo->contentsRect();
    const QRect edge = devicePixels(focused, QRectF(inside.topLeft(), QSizeF(inside.width(), 3)));
    int changed = 0;
    for (int y = edge.top(); y <= edge.bottom(); ++y)
        for (int x = edge.left(); x <= edge.right(); ++x)
            changed += focused.pixel(x, y) != unfocused.pixel(x, y);
    EXPECT_GT(changed, edge.width() / 4);
    const QRect middle = devicePixels(focused, inside.adjusted(4, 4, -4, -4));
    EXPECT_EQ(focused.copy(middle), unfocused.copy(middle));
}

TEST_F(DesktopTest, FaultAfterTheChartIsShownLeavesItBlank)
{
    solve("Option_Msub", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("2"));
    solve("Option_A2", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("3"));
    solve("Option_Msub", QStringLiteral("0.5"), QStringLiteral("1"), QStringLiteral("1E+300"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.texts().front().startsWith(QLatin1String("Overflow")));
    EXPECT_TRUE(iter->isVisible());
    const QImage chart = testing_gui::rendered(iter);
    const QColor background = iter->palette().color(QPalette::Window);
    const QRect inside = devicePixels(chart, iter->contentsRect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            ASSERT_EQ(chart.pixelColor(x, y), background) << x << "," << y;
}

TEST_F(DesktopTest, WindowsCarryTheProgramsIcon)
{
    EXPECT_TRUE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(form.windowIcon().isNull());
    EXPECT_FALSE(Form_About::instance().windowIcon().isNull());
}

} // namespace
