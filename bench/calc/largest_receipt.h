#pragma once
// The entries that give the largest receipt (26 rows), which the benchmarks of the computation and
// of the slip search both run on.

#include "snapshot.h"

namespace recibo::bench {

inline Snapshot largestReceipt()
{
    Snapshot s;
    s.category = Category::Cargo;
    s.punbas = "901";
    s.compbas = "1";
    s.jorcom = "1";
    s.proljor = "1";
    s.tardif = "1";
    s.seniorityOption = 12;
    s.pctantig = 120;
    s.porcantig = "120 %";
    s.zona = 4;
    s.transporte = true;
    s.cantkm = "10";
    s.hijos = true;
    s.cantidadhijos = "2";
    s.hijosdisc = true;
    s.cantidadhijosdisc = "1";
    s.conyuge = true;
    s.dinasist = "1";
    s.Iosper = s.Osplad = s.APORTEJUB = s.Ley4035 = s.TOVIL = s.cajacomp = s.Seguro3011 = true;
    s.docente = "García, Luis";
    return s;
}

}  // namespace recibo::bench
