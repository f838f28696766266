#pragma once
// Where the CSV editor remembers its column mapping: one settings file in the
// edition's "conf" folder, one entry per edition code.

#include <QString>

class CsvMappingStore
{
public:
    // confDir is WorkDir + "/conf", as the editor is told on its command line.
    CsvMappingStore(const QString &confDir, int editionCode);

    // The settings file ("csv_importXe2.ini" in confDir).
    QString path() const;
    // The remembered mapping text; empty when none was saved.
    QString load() const;
    // Remembers the mapping text; false when the file cannot be written.
    bool save(const QString &mappingText) const;

private:
    QString m_confDir;
    int m_editionCode;
};
