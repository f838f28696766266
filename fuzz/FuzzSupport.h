#pragma once
// What the fuzz targets share: a private scratch folder for the readers that
// take a path, a QGuiApplication for the ones that draw, and a check that
// stops the fuzzer on a broken property as it stops on a crash.

#include <QByteArray>
#include <QString>

namespace fuzz {

// Creates the QGuiApplication once (offscreen unless a platform is chosen).
void EnsureGuiApplication();

// Creates the QCoreApplication once, for readers that need one (text codecs).
void EnsureCoreApplication();

// A folder of this process, removed when it ends.
QString ScratchDir();

// Writes the bytes to name in the scratch folder and returns its path.
QString WriteScratchFile(const QString &name, const QByteArray &bytes);

// Stops the run with a message when a property that must hold does not.
void Require(bool condition, const char *what);

// The input as a byte array without copying.
inline QByteArray Bytes(const uint8_t *data, size_t size)
{
    return QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace fuzz
