#pragma once
// What "Calcular" reads from the windows, captured once so the computation never touches a widget.
// Members carry the names of the controls they are read from; input_fields.h lists them with their
// captions, number kinds and start values.

#include <cstdint>
#include <string>

namespace recibo {

enum class Category { None, Cargo, HorasMedio, HorasSup };

struct Snapshot {
    // Every field at its start value, as the windows open.
    Snapshot();

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
    std::string numerohorasmed;
    std::string numerohorassup;
    std::string numhorascod06;
    std::string numhorasincen;
    std::string numhorascod113;

    // Seniority: the first selected option (1..12), 0 for none; the percentage the options wrote.
    int seniorityOption = 0;
    std::uint8_t pctantig = 0;
    std::string porcantig;

    // Zone list position, -1 when no entry was chosen.
    int zona = -1;

    // Check boxes (true = ticked); the constructor gives each its start state.
    bool opincentivo{};
    bool transporte{};
    bool hijos{};
    bool hijosdisc{};
    bool conyuge{};
    bool Iosper{};
    bool Osplad{};
    bool APORTEJUB{};
    bool Ley4035{};
    bool TOVIL{};
    bool cajacomp{};
    bool Seguro3011{};

    std::string cantkm;
    std::string dinasist;
    std::string cantidadhijos;
    std::string cantidadhijosdisc;
    std::string docente;
};

}  // namespace recibo
