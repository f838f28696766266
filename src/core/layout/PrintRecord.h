#pragma once
// The data of one waybill or payment slip: 42 (or more) single-line text slots,
// numbered 0 to 41. Every source of waybill data fills the same slots and every
// consumer reads them; the transfer copies them into the layout's data items.
// The single-print data file "conf/singledata.txt" holds one slot per line.

#include "core/text/TextCodec.h"
#include "core/layout/LayoutStatus.h"

#include <QDate>
#include <QString>
#include <QStringList>

class StyleData;

class PrintRecord
{
public:
    static constexpr int SlotCount = 42;

    // A fresh record: 42 empty slots, never read from a file.
    PrintRecord();
    // A record holding the given texts, padded to 42 slots.
    explicit PrintRecord(const QStringList &texts);

    // The text of slot i; empty for an index outside the record.
    QString slot(int i) const;
    // Replaces slot i, growing the record when i lies past its end (i >= 0).
    void setSlot(int i, const QString &text);
    // Number of slots, never below 42.
    int size() const { return int(m_slots.size()); }
    const QStringList &texts() const { return m_slots; }
    // Back to 42 empty slots; the remembered encoding stays.
    void clear();

    // The encoding the record was last read in; code page 932 when never read.
    TextEncoding encoding() const { return m_encoding; }
    bool wasReadFromFile() const { return m_readFromFile; }
    void rememberEncoding(TextEncoding encoding);

private:
    QStringList m_slots;
    TextEncoding m_encoding = TextEncoding::Cp932;
    bool m_readFromFile = false;
};

// ---- The single-print data file --------------------------------------------

// WorkDir + "/conf/singledata.txt".
QString SingleDataPath(const QString &workDir);

// Replaces record with the file's content: byte-order mark detection, code page
// 932 otherwise; lines split at CR LF, CR or LF; padded to 42 slots. A missing
// file gives 42 empty slots and is not an error; an unreadable one is.
LayoutStatus LoadSingleData(const QString &path, PrintRecord &record);

// Writes the record, one slot per line with CR LF, in the encoding it was last
// read in (code page 932 when never read). A record that code page 932 cannot
// hold is written as UTF-8 with a byte-order mark instead of losing characters.
// Line breaks inside a slot are dropped so no slot can shift the ones after it.
LayoutStatus SaveSingleData(const QString &path, const PrintRecord &record);

// ---- Transfer into the layout ----------------------------------------------

struct TransferOptions {
    int editionCode = 40;
    bool yenMark = false;      // "金額に\をつける(変更後はデータの再編集が必要)"
    QDate printDate;           // the date field; today when invalid
    bool printDateOff = false; // "印刷しない": items 121-123 empty
};

// The full transfer of the record into the layout's data items, in the fixed
// order: consignee, item names, amount, sender, date parts, second consignee
// copy, pieces and insurance, time marks cleared, print date, chosen time mark.
// Items the layout lacks are skipped silently.
void TransferRecord(StyleData &style, const PrintRecord &record, const TransferOptions &options);

// The sender items alone (11-14, 16, 18-20, 51-53, 116, 151-153); run by itself
// when the user picks another sender.
void TransferSender(StyleData &style, const PrintRecord &record);

// Items 121, 122, 123: the date as "yyyy", "MM", "dd", or all empty when off.
void TransferPrintDate(StyleData &style, const QDate &date, bool printDateOff);

// The time-slot mark texts of an edition for items 61, 62, ...; empty for the
// editions without marks.
QStringList TimeSlotChoices(int editionCode);
