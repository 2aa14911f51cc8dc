#pragma once

#include "ComponentRegistry.h"
#include "VexaRecord.h"

#include <QObject>

#include <memory>
#include <vector>

// The foundation library's list: records in the order they were added. Shared ownership: the
// list holds its records, and whoever holds the list owns it (it travels as an ObjectPtr).
class VexaList : public QObject {
    Q_OBJECT

public:
    explicit VexaList(QObject* parent = nullptr) : QObject(parent) {}

    // Appends a record; anything but a VexaRecord is a type mismatch.
    Q_INVOKABLE void Add(const automation::ObjectPtr& record);
    Q_INVOKABLE int Count() const { return static_cast<int>(m_records.size()); }
    // The record at a 0-based position.
    Q_INVOKABLE automation::ObjectPtr Item(int index) const;

    const VexaRecordPtr& Record(int index) const;
    std::vector<VexaRecordPtr>::const_iterator begin() const { return m_records.cbegin(); }
    std::vector<VexaRecordPtr>::const_iterator end() const { return m_records.cend(); }

    // The list an object reference holds, or nullptr when it holds something else or nothing.
    static std::shared_ptr<VexaList> From(const automation::ObjectPtr& object);

private:
    std::vector<VexaRecordPtr> m_records;
};

using VexaListPtr = std::shared_ptr<VexaList>;
