#include "input_fields.h"

namespace recibo {

Snapshot::Snapshot()
{
    for (const TextField *field : kTextFields)
        this->*field->value = field->start;
    for (const TickField *field : kTickFields)
        this->*field->value = field->start;
}

const TextField *findTextField(std::string_view control)
{
    for (const TextField *field : kTextFields)
        if (field->control == control)
            return field;
    return nullptr;
}

const TickField *findTickField(std::string_view control)
{
    for (const TickField *field : kTickFields)
        if (field->control == control)
            return field;
    return nullptr;
}

}  // namespace recibo
