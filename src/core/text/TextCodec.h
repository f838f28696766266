#pragma once
// Reading and writing the program's text files. Files are Shift_JIS (code page
// 932) with CR LF unless they start with a UTF-8 or UTF-16 byte-order mark.
// Code page 932 cannot hold every character; writers report that to the caller
// instead of replacing characters silently.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

enum class TextEncoding { Cp932, Utf8Bom, Utf16LeBom, Utf16BeBom };

// Decodes bytes: a byte-order mark selects UTF-8 or UTF-16, otherwise code page
// 932. Bytes that are not valid code page 932 become U+FFFD; nothing is dropped.
QString DecodeText(const QByteArray &bytes, TextEncoding *detected = nullptr);

// Encodes text as code page 932. Returns std::nullopt when some character has no
// code page 932 form.
std::optional<QByteArray> EncodeCp932(const QString &text);

// True when every character of text has a code page 932 form.
bool FitsCp932(const QString &text);

// Splits at CR LF, CR or LF. A line break at the very end does not add an empty line.
QStringList SplitLines(const QString &text);

// Reads a whole text file with byte-order-mark detection. std::nullopt when the
// file cannot be opened.
std::optional<QString> ReadTextFile(const QString &path, TextEncoding *detected = nullptr);

// Reads a text file as lines (see SplitLines). std::nullopt when it cannot be opened.
std::optional<QStringList> ReadTextLines(const QString &path, TextEncoding *detected = nullptr);

// Joins lines with CR LF after each line (the last included) and encodes them.
// For Cp932, std::nullopt when some character has no code page 932 form.
std::optional<QByteArray> EncodeLines(const QStringList &lines, TextEncoding encoding);

enum class WriteStatus { Ok, Unencodable, IoError };

// Replaces the file with the given bytes through a temporary file in the same
// folder, so a crash mid-write leaves the old file or the new one, never a torn one.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error = nullptr);

// Writes lines in the given encoding with CR LF. Unencodable: the text has
// characters outside code page 932 and nothing was written.
WriteStatus WriteTextLines(const QString &path, const QStringList &lines, TextEncoding encoding,
                           QString *error = nullptr);

// Writes code page 932 when every character fits, otherwise UTF-8 with a
// byte-order mark, so that no character is ever lost. Returns the encoding used,
// or std::nullopt on an I/O error.
std::optional<TextEncoding> WriteTextLinesPreferCp932(const QString &path, const QStringList &lines,
                                                      QString *error = nullptr);
