#include "about_window/form_about.h"

#include "form_runtime/accessibility.h"
#include "form_runtime/colour.h"
#include "form_runtime/top_level.h"
#include "form_runtime/twips.h"
#include "form_runtime/window_icon.h"

#include <QCoreApplication>
#include <QLabel>
#include <QShortcut>

using form_runtime::colourOf;
using form_runtime::twips;

namespace {

QFont verdana(qreal points)
{
    QFont font;
    font.setFamilies({QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
    font.setPointSizeF(points);
    return font;
}

void addLabel(QWidget *window, const char *name, const QString &text, const QRect &geometry, qreal points,
              std::optional<int> colour = std::nullopt)
{
    auto *label = new QLabel(text, window);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setFont(verdana(points));
    if (colour) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colourOf(*colour));
        label->setPalette(palette);
    }
}

} // namespace

Form_About::Form_About(QWidget *parent) : QWidget(parent)
{
    // Heard as a dialog, so a screen reader reads its texts when it opens;
    // given first, before anything a screen reader could ask it about.
    form_runtime::setAccessibleRole(this, QAccessible::Dialog);
    setObjectName(QStringLiteral("Form_About"));
    setWindowTitle(QStringLiteral("About"));
    setWindowIcon(form_runtime::windowIcon());
    setFixedSize(twips(0, 0, 3600, 1770).size());
    // Escape closes it, as it closes other dialogs.
    new QShortcut(QKeySequence::Cancel, this, this, &QWidget::close);
    // Fixed pale yellow, so the labels' default text colour is fixed black,
    // whatever the desktop's colours.
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colourOf(form_runtime::kPaleYellow));
    palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setAutoFillBackground(true);

    addLabel(this, "Label2", QStringLiteral("Program for Solving"), twips(720, 120, 2175, 255), 9.75,
             form_runtime::kDarkGreen);
    addLabel(this, "Label3", QStringLiteral("Area-Mach number equation"), twips(240, 360, 2895, 255), 9.75,
             form_runtime::kDarkGreen);
    addLabel(this, "Label7", QStringLiteral("By the Ventrolex developers"), twips(480, 600, 2775, 255),
             8.25);
    addLabel(this, "Label8", QStringLiteral("March 2006"), twips(1080, 840, 1455, 255), 8.25);
    addLabel(this, "Label4", QStringLiteral("For comments and questions e-mail to"),
             twips(120, 1080, 3375, 255), 8.25);
    addLabel(this, "Label5", QStringLiteral("help@example.org"), twips(840, 1320, 1935, 255), 8.25,
             form_runtime::kBlue);
}

Form_About &Form_About::instance()
{
    return form_runtime::oneWindow<Form_About>(); // goes with the application, not with the main window
}
