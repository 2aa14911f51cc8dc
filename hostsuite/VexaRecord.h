#pragma once

#include <QObject>
#include <QString>
#include <QVariant>

#include <memory>
#include <utility>
#include <vector>

// The foundation library's record: named values, kept in the order their names were first set.
// Names compare without regard to case; setting a name again replaces its value in place.
class VexaRecord : public QObject {
    Q_OBJECT

public:
    explicit VexaRecord(QObject* parent = nullptr) : QObject(parent) {}

    Q_INVOKABLE void SetValue(const QString& name, const QVariant& value);
    // The value set under the name; an empty (invalid) value for a name never set.
    Q_INVOKABLE QVariant GetValue(const QString& name) const;
    Q_INVOKABLE bool HasValue(const QString& name) const;

    // The values in order, for whoever presents the record (0-based).
    Q_INVOKABLE int Count() const { return static_cast<int>(m_values.size()); }
    Q_INVOKABLE QString Name(int index) const;
    Q_INVOKABLE QVariant Value(int index) const;

private:
    std::vector<std::pair<QString, QVariant>>::const_iterator Find(const QString& name) const;
    const std::pair<QString, QVariant>& At(int index) const;

    std::vector<std::pair<QString, QVariant>> m_values;
};

using VexaRecordPtr = std::shared_ptr<VexaRecord>;
