#include "platform/document_properties.h"

#include <algorithm>

void DocumentProperties::setText(int id, QString text)
{
    if (inRange(id))
        m_texts[size_t(id)] = std::move(text);
}

void DocumentProperties::setNumber(int id, qint64 number)
{
    if (inRange(id))
        m_numbers[size_t(id)] = number;
}

void DocumentProperties::setDate(int id, DocumentDate date)
{
    if (inRange(id))
        m_dates[size_t(id)] = std::move(date);
}

bool DocumentProperties::isEmpty() const
{
    const auto none = [](const auto &values) {
        return std::none_of(values.cbegin(), values.cend(), [](const auto &v) { return v.has_value(); });
    };
    return none(m_texts) && none(m_numbers) && none(m_dates) && !m_editingMinutes;
}
