#include "app/adapters/QtSettingsStore.h"

#include <QSettings>

namespace orvane {

namespace {

QString Key(const std::string& group, const std::string& name)
{
    return QString::fromStdString(group) + QLatin1Char('/') + QString::fromStdString(name);
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                             QStringLiteral("Kestrow"), QStringLiteral("Orvane!")))
{}

QtSettingsStore::~QtSettingsStore() = default;

bool QtSettingsStore::IsAvailable() const
{
    return m_settings->status() != QSettings::AccessError;
}

bool QtSettingsStore::HasGroup(const std::string& group) const
{
    return m_settings->childGroups().contains(QString::fromStdString(group));
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& group,
                                                       const std::string& name) const
{
    const QVariant value = m_settings->value(Key(group, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

std::optional<uint32_t> QtSettingsStore::ReadNumber(const std::string& group,
                                                    const std::string& name) const
{
    const QVariant value = m_settings->value(Key(group, name));
    bool ok = false;
    const qulonglong number = value.toULongLong(&ok);
    if (!value.isValid() || !ok || number > 0xFFFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<uint32_t>(number);
}

bool QtSettingsStore::WriteString(const std::string& group, const std::string& name,
                                  const std::string& value)
{
    if (!m_settings->isWritable()) {
        return false;
    }
    m_settings->setValue(Key(group, name), QString::fromStdString(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

bool QtSettingsStore::WriteNumber(const std::string& group, const std::string& name, uint32_t value)
{
    if (!m_settings->isWritable()) {
        return false;
    }
    m_settings->setValue(Key(group, name), static_cast<qulonglong>(value));
    m_settings->sync();
    return m_settings->status() == QSettings::NoError;
}

void QtSettingsStore::RemoveValue(const std::string& group, const std::string& name)
{
    m_settings->remove(Key(group, name));
    m_settings->sync();
}

}  // namespace orvane
