#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <optional>

// What the subcommands of tessera-sample share: parsing their arguments
// (a host folder followed by options) and reporting.
namespace commandline {

// Parses arguments (those after the subcommand) into parser and returns
// the one positional argument, the folder; nothing after printing why not.
std::optional<QString> parseFolder(QCommandLineParser &parser, const QString &command,
                                   const QStringList &arguments);

// An integer option within minimum .. maximum; a missing option gives
// fallback; nothing after printing why not.
std::optional<int> intOption(const QCommandLineParser &parser, const QString &name, int minimum,
                             int maximum, std::optional<int> fallback);

void printError(const QString &text);
void printLine(const QString &text);

} // namespace commandline
