#pragma once
// What "Calcular" reads from the windows, captured once so the computation never touches a widget.
// Members carry the names of the controls they are read from.

#include <cstdint>
#include <string>

namespace recibo {

enum class Category { None, Cargo, HorasMedio, HorasSup };

struct Snapshot {
    // Category frame of ingreso: at most one option selected.
    Category category = Category::None;

    // Selection dialog advertencia: the selected entries of the lists (empty when no row is
    // selected), the name chooser's text and the five point boxes as they stand.
    std::string codigocargo;
    std::string puntosbasicos;
    std::string cargox;
    std::string punbas;
    std::string compbas;
    std::string jorcom;
    std::string proljor;
    std::string tardif;

    // Hours boxes.
    std::string numerohorasmed = "0";
    std::string numerohorassup = "0";
    std::string numhorascod06 = "0";
    std::string numhorasincen = "0";
    std::string numhorascod113 = "0";

    // Seniority: the first selected option (1..12), 0 for none; the percentage the options wrote.
    int seniorityOption = 0;
    std::uint8_t pctantig = 0;
    std::string porcantig;

    // Zone list position, -1 when no entry was chosen.
    int zona = -1;

    // Check boxes (true = ticked).
    bool opincentivo = true;
    bool transporte = false;
    bool hijos = false;
    bool hijosdisc = false;
    bool conyuge = false;
    bool Iosper = false;
    bool Osplad = false;
    bool APORTEJUB = false;
    bool Ley4035 = false;
    bool TOVIL = false;
    bool cajacomp = false;
    bool Seguro3011 = false;

    std::string cantkm = "0";
    std::string dinasist = "0";
    std::string cantidadhijos = "0";
    std::string cantidadhijosdisc = "0";
    std::string docente;
};

}  // namespace recibo
