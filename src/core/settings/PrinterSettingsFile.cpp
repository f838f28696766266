#include "core/settings/PrinterSettingsFile.h"

#include "core/text/TextCodec.h"

#include <QDataStream>
#include <QFile>
#include <QtEndian>

#include <cmath>

namespace {

constexpr int NameUnits = PrinterFileNameBytes / 2;
constexpr quint32 SetupMagic = 0x4B505331; // "KPS1"
constexpr quint16 SetupVersion = 1;

QString readName(const char *bytes)
{
    QString name;
    for (int i = 0; i < NameUnits; ++i) {
        const char16_t unit = qFromLittleEndian<quint16>(bytes + 2 * i);
        if (unit == 0)
            break;
        name.append(QChar(unit));
    }
    return name;
}

void writeName(char *bytes, const QString &name)
{
    const int units = std::min<int>(int(name.size()), NameUnits - 1);
    for (int i = 0; i < units; ++i)
        qToLittleEndian<quint16>(name[i].unicode(), bytes + 2 * i);
}

} // namespace

PrinterFileStatus ReadPrinterSettingsFile(const QString &path, PrinterSettingsFileData &data, QString *error)
{
    QFile file(path);
    if (!file.exists())
        return PrinterFileStatus::Missing;
    auto fail = [error](const QString &message) {
        if (error)
            *error = message;
        return PrinterFileStatus::ReadError;
    };
    if (!file.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("ファイルを開けませんでした。"));
    const QByteArray header = file.read(PrinterFileHeaderSize);
    if (header.size() < PrinterFileHeaderSize)
        return fail(QStringLiteral("ファイルが短すぎます（先頭の設定部分が欠けています）。"));
    const qint32 size = qFromLittleEndian<qint32>(header.constData() + 3 * PrinterFileNameBytes);
    if (size < 0 || qint64(size) > file.size() - PrinterFileHeaderSize)
        return fail(QStringLiteral("ファイルが途中で切れています（プリンタの設定データが足りません）。"));
    PrinterSettingsFileData read;
    read.deviceName = readName(header.constData());
    read.driverName = readName(header.constData() + PrinterFileNameBytes);
    read.portName = readName(header.constData() + 2 * PrinterFileNameBytes);
    read.block = file.read(size);
    if (read.block.size() != size)
        return fail(QStringLiteral("ファイルを最後まで読み込めませんでした。"));
    data = read;
    return PrinterFileStatus::Ok;
}

bool WritePrinterSettingsFile(const QString &path, const PrinterSettingsFileData &data, QString *error)
{
    QByteArray bytes(PrinterFileHeaderSize, '\0');
    writeName(bytes.data(), data.deviceName);
    writeName(bytes.data() + PrinterFileNameBytes, data.driverName);
    writeName(bytes.data() + 2 * PrinterFileNameBytes, data.portName);
    qToLittleEndian<qint32>(qint32(data.block.size()), bytes.data() + 3 * PrinterFileNameBytes);
    bytes += data.block;
    return WriteFileAtomically(path, bytes, error);
}

QByteArray PrinterSetup::toBlock() const
{
    QByteArray block;
    QDataStream out(&block, QIODevice::WriteOnly);
    out.setVersion(QDataStream::Qt_6_0);
    out << SetupMagic << SetupVersion << printerName << pageSizeId << customPageSizeMm << qint32(orientation)
        << qint32(resolution) << marginLeftMm << marginTopMm << marginRightMm << marginBottomMm << qint32(duplex)
        << qint32(colorMode) << outputFileName;
    return block;
}

std::optional<PrinterSetup> PrinterSetup::fromBlock(const QByteArray &block)
{
    QDataStream in(block);
    in.setVersion(QDataStream::Qt_6_0);
    quint32 magic = 0;
    quint16 version = 0;
    in >> magic >> version;
    if (in.status() != QDataStream::Ok || magic != SetupMagic || version != SetupVersion)
        return std::nullopt;
    PrinterSetup s;
    qint32 orientation = 0, resolution = 0, duplex = 0, colorMode = 0;
    in >> s.printerName >> s.pageSizeId >> s.customPageSizeMm >> orientation >> resolution >> s.marginLeftMm
        >> s.marginTopMm >> s.marginRightMm >> s.marginBottomMm >> duplex >> colorMode >> s.outputFileName;
    if (in.status() != QDataStream::Ok)
        return std::nullopt;
    // A damaged block can carry any number. Values the printer cannot take (not a
    // number, a negative margin, a mode outside its enumeration) mean the block is
    // not one of ours to apply. A negative custom size is the "no custom size" of QSizeF.
    const auto margin = [](double mm) { return std::isfinite(mm) && mm >= 0; };
    if (!std::isfinite(s.customPageSizeMm.width()) || !std::isfinite(s.customPageSizeMm.height())
        || !margin(s.marginLeftMm) || !margin(s.marginTopMm) || !margin(s.marginRightMm) || !margin(s.marginBottomMm))
        return std::nullopt;
    if (orientation < 0 || orientation > 1 || resolution < 0 || duplex < 0 || duplex > 3 || colorMode < 0
        || colorMode > 1)
        return std::nullopt;
    s.orientation = orientation;
    s.resolution = resolution;
    s.duplex = duplex;
    s.colorMode = colorMode;
    return s;
}

bool operator==(const PrinterSetup &a, const PrinterSetup &b)
{
    return a.printerName == b.printerName && a.pageSizeId == b.pageSizeId
        && a.customPageSizeMm == b.customPageSizeMm && a.orientation == b.orientation
        && a.resolution == b.resolution && a.marginLeftMm == b.marginLeftMm && a.marginTopMm == b.marginTopMm
        && a.marginRightMm == b.marginRightMm && a.marginBottomMm == b.marginBottomMm && a.duplex == b.duplex
        && a.colorMode == b.colorMode && a.outputFileName == b.outputFileName;
}
