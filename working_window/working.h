#pragma once

// The solution of the case written out as a student writes it: for each
// result its relation in symbols, the same relation with the numbers put
// in, and the result as the panels show it. Read from the case alone: the
// nozzle the main window solved, its stations, and, where the Back pressure
// and Reservoir panels have given them, the back pressure and the nozzle in
// units with its thrust.

#include "working_window/math.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

class NozzleCase;

namespace working {

struct Line {
    QString key;       // what it finds, named alike in every case: "A1/A*", "p/p0"
    Math lhs;          // that quantity as written
    Math relation;     // in symbols
    Math numbers;      // with the numbers put in
    QStringList putIn; // those numbers as printed, in the relation's order of arguments
    QString result;    // as the panels show it
    QString unit;      // of the result; empty for a ratio
    QString inUnits;   // the result in the case's units where they are not SI's: "689.476 kPa"
};

// A part of the working under its heading: its lines, and sentences between
// them (what a search found, which regime a test picks, why nothing follows).
struct Section {
    QString title;
    struct Item {
        std::optional<Line> line;
        QString note;
    };
    std::vector<Item> items;
};

std::vector<Section> workingOf(const NozzleCase &nozzleCase);

// A line's result as shown: the figure with its unit, and in the case's units where they differ.
QString resultText(const Line &line);

// The working as plain text with Unicode symbols, as LaTeX (each section an
// align* block under a comment naming it), and as HTML: the body the panel
// shows, or a page of its own that opens in any browser and prints on A4.
QString plainText(const std::vector<Section> &working);
QString latex(const std::vector<Section> &working);
QString html(const std::vector<Section> &working, bool page);
QString html(const Section &section);

} // namespace working
