#pragma once
// Two teachers' entries compared field by field, each difference named by its control.

#include <gtest/gtest.h>

#include "input_fields.h"

namespace recibo::test {

inline void expectSameEntries(const Snapshot &got, const Snapshot &want)
{
    EXPECT_EQ(got.category, want.category);
    for (const TextField *field : kTextFields)
        EXPECT_EQ(got.*field->value, want.*field->value) << field->control;
    for (const TickField *field : kTickFields)
        EXPECT_EQ(got.*field->value, want.*field->value) << field->control;
    EXPECT_EQ(got.codigocargo, want.codigocargo);
    EXPECT_EQ(got.puntosbasicos, want.puntosbasicos);
    EXPECT_EQ(got.seniorityOption, want.seniorityOption);
    EXPECT_EQ(got.pctantig, want.pctantig);
    EXPECT_EQ(got.zona, want.zona);
}

}  // namespace recibo::test
