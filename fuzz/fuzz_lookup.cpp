// Any text typed into any cell of the Stations window's look-up row, on either
// branch: the look-up finds a station whose row holds a Mach number of 0 or
// more and the typed value where it was typed, or it says in one line why
// not, signs what was typed and leaves no station in its row.
//
// Input: the first byte picks the column (modulo 11) and, by its top bit, the
// supersonic branch; the rest is the text.

#include "flow/gas_constants.h"
#include "form_runtime/typed_number.h"
#include "stations_window/station_table.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char *why)
{
    std::fprintf(stderr, "property violated: %s\n", why);
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    static int argc = 1;
    static char name[] = "fuzz_lookup";
    static char *argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    static stations_window::StationTable table;
    static bool ready = false;
    if (!ready) { // the worked example's throat, so that the area column can be looked up too
        const flow::GasConstants gas = flow::gasConstants();
        table.setStations({{QStringLiteral("Throat"), 0.7463556851311953, flow::isentropicState(1, gas), {}}},
                          0.7463556851311953);
        ready = true;
    }

    const int column = data[0] % 11;
    table.setBranch(data[0] & 0x80 ? flow::Branch::Supersonic : flow::Branch::Subsonic);
    const QString typed = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), int(size - 1));
    QString problem = QStringLiteral("(none)");
    auto connection = QObject::connect(&table, &stations_window::StationTable::lookedUp,
                                       [&problem](const QString &p) { problem = p; });
    const QModelIndex cell = table.index(table.lookUpRow(), column);
    const QString before = nozzle_case::tableText(table.rows(), QLatin1Char('\t'));
    const bool found = table.setData(cell, typed, Qt::EditRole);
    QObject::disconnect(connection);

    if (found) {
        if (!problem.isEmpty())
            fail("a look-up that found its station reported a problem");
        const double M = table.index(table.lookUpRow(), 0).data(Qt::EditRole).toString().toDouble();
        if (!(M >= 0))
            fail("a station was found with a negative Mach number"); // 0: the gas at rest
        // The text as the table takes it, without the blanks around it.
        const std::optional<double> value = form_runtime::readTyped(QStringLiteral("cell"), typed.trimmed()).value;
        if (!value || cell.data(Qt::EditRole).toString().toDouble() != *value)
            fail("a station from a text not read whole, or the value typed not where it was typed");
    } else if (problem == QLatin1String("(none)")) { // the text the cell held already: left as it was
        if (nozzle_case::tableText(table.rows(), QLatin1Char('\t')) != before)
            fail("a look-up left as it was changed the table");
    } else {
        if (table.rows().size() != 1)
            fail("a look-up that found nothing left a station in its row");
        if (cell.data(Qt::ToolTipRole).toString() != problem || cell.data().toString() != typed.trimmed())
            fail("a look-up that found nothing did not sign what was typed");
        if (problem.isEmpty() || problem.contains(QLatin1Char('\n')))
            fail("a look-up that found nothing did not say why in one line");
    }
    return 0;
}
