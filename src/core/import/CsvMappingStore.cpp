#include "core/import/CsvMappingStore.h"

#include <QDir>
#include <QSettings>

CsvMappingStore::CsvMappingStore(const QString &confDir, int editionCode)
    : m_confDir(confDir), m_editionCode(editionCode)
{
}

QString CsvMappingStore::path() const
{
    return m_confDir + QStringLiteral("/csv_importXe2.ini");
}

QString CsvMappingStore::load() const
{
    const QSettings settings(path(), QSettings::IniFormat);
    return settings.value(QStringLiteral("mapping/edition%1").arg(m_editionCode)).toString();
}

bool CsvMappingStore::save(const QString &mappingText) const
{
    if (!QDir().mkpath(m_confDir))
        return false;
    QSettings settings(path(), QSettings::IniFormat);
    settings.setValue(QStringLiteral("mapping/edition%1").arg(m_editionCode), mappingText);
    settings.sync();
    return settings.status() == QSettings::NoError;
}
