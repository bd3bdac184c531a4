#include "display_opening.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace tavolin {
namespace {

// A message handler is a plain function: what it needs lives here, and only
// while a DisplayOpening does.
struct Held {
    QString program;
    QList<std::pair<QtMsgType, QString>> messages;
    QtMessageHandler previous = nullptr;
};
std::optional<Held> held;

void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        held->messages.append({type, message});
        return;
    }
    QStringList warnings;
    for (const auto& [kind, text] : held->messages)
        warnings << text;
    std::fputs(displayFailureLine(held->program, warnings, message).toLocal8Bit().constData(), stderr);
    std::fflush(stderr);
    // Qt aborts once a fatal message's handler returns; a missing display is
    // no crash.
    std::_Exit(1);
}

QString firstMatch(const QStringList& lines, const QRegularExpression& pattern)
{
    for (const QString& line : lines) {
        const QRegularExpressionMatch match = pattern.match(line);
        if (match.hasMatch())
            return match.captured(1);
    }
    return {};
}

} // namespace

DisplayOpening::DisplayOpening(const QString& program)
{
    held.emplace(Held{program, {}, nullptr});
    held->previous = qInstallMessageHandler(holdMessage);
}

DisplayOpening::~DisplayOpening()
{
    qInstallMessageHandler(held->previous);
    for (const auto& [type, text] : held->messages)
        qt_message_output(type, QMessageLogContext(), text);
    held.reset();
}

QString displayFailureLine(const QString& program, const QStringList& warnings, const QString& fatal)
{
    const QString unknownPlatform = firstMatch(
        warnings, QRegularExpression(QStringLiteral("Could not find the Qt platform plugin \"([^\"]*)\"")));
    const QString display
        = firstMatch(warnings, QRegularExpression(QStringLiteral("could not connect to display ?(.*)$")));
    QString problem;
    if (!unknownPlatform.isNull()) {
        const QString known
            = firstMatch({fatal}, QRegularExpression(QStringLiteral("platform plugins are: ([^\n]*?)\\.?\\s*$")));
        problem = QStringLiteral("no display: there is no platform \"%1\" (there are: %2)").arg(unknownPlatform, known);
    } else if (!display.isNull()) {
        problem = display.trimmed().isEmpty() ? QStringLiteral("no display: DISPLAY is not set")
                                              : QStringLiteral("cannot open the display %1").arg(display.trimmed());
    } else {
        problem = QStringLiteral("no display could be opened");
        if (!warnings.isEmpty())
            problem += QStringLiteral(" (%1)").arg(warnings.first().trimmed());
    }
    return QStringLiteral("%1: %2.\n").arg(program, problem);
}

} // namespace tavolin
