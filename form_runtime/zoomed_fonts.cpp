#include "form_runtime/zoomed_fonts.h"

#include "form_runtime/twips.h"

#include <QApplication>
#include <QFont>
#include <QWidget>

#include <optional>
#include <utility>
#include <vector>

namespace form_runtime {

namespace {

// The widget classes a platform theme may give a font of its own.
constexpr const char *kOwnFonts[] = {"QMenu",       "QMenuBar",     "QToolTip",    "QTipLabel",      "QMessageBox",
                                     "QLabel",      "QPushButton",  "QHeaderView", "QTabBar",        "QDockWidget",
                                     "QStatusBar",  "QGroupBox",     "QComboBox",   "QAbstractItemView", "QLineEdit"};

struct ActualSize {
    QFont application;
    std::vector<std::pair<const char *, QFont>> own; // only where the platform gave a class a font of its own
};

std::optional<ActualSize> &actualSize()
{
    static std::optional<ActualSize> fonts;
    return fonts;
}

QFont atZoom(QFont font)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(zoomed(font.pointSizeF()));
    else if (font.pixelSize() > 0)
        font.setPixelSize(twipsToPixels(font.pixelSize() * 15));
    return font;
}

} // namespace

void zoomApplicationFonts()
{
    std::optional<ActualSize> &fonts = actualSize();
    if (!fonts) {
        if (zoomQuarters() == kActualSize)
            return;
        fonts = ActualSize{QApplication::font(), {}};
        for (const char *name : kOwnFonts)
            if (const QFont own = QApplication::font(name); own != fonts->application)
                fonts->own.emplace_back(name, own);
    }
    QApplication::setFont(atZoom(fonts->application)); // forgets the classes' own fonts
    for (const auto &[name, own] : fonts->own)
        QApplication::setFont(atZoom(own), name);
}

void setBold(QWidget *widget)
{
    QFont bold; // only its weight resolved: the rest comes from the parent
    bold.setBold(true);
    widget->setFont(bold);
}

} // namespace form_runtime
