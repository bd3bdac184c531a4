#pragma once

#include <QSettings>
#include <QString>

// The text file behind the registry.
//
// It reads like a registry export, so a person can check or mend it in a
// text editor:
//
//     [Software\Projects\Tavolin 2.2]
//     "Form Top"=dword:1
//     "SWBmpPath"="/home/me/Pictures/side.bmp"
//
// A [key path] line is taken literally and opens a key; every value line
// below it belongs to that key. A DWORD is written in decimal, a string in
// double quotes where \\, \", \n and \r stand for a backslash, a quote, a
// line feed and a carriage return. Blank lines and lines starting with ';'
// are ignored. The file is UTF-8; a line that is not, or holds a NUL, is
// damage.
//
// In memory every value lives at "<key path>/<value name>", both
// percent-encoded, so that a slash in a name never reads as a key's end.
namespace tavolin::registry_file {

QString group(const QString& keyPath);
QString settingsKey(const QString& keyPath, const QString& valueName);

// The file's text to values and back.
bool readFile(QIODevice& device, QSettings::SettingsMap& map);
bool writeFile(QIODevice& device, const QSettings::SettingsMap& map);

// Where reading leaves notes on the lines it had to drop: the first few
// notes, and how many lines were dropped in all. The blanks keep these keys
// apart from every percent-encoded key path.
inline constexpr char UnreadableLinesKey[] = "unreadable lines";
inline constexpr char UnreadableLineCountKey[] = "unreadable line count";
inline constexpr int NotedLines = 10;

} // namespace tavolin::registry_file
