// The position catalogue of the pay period "Marzo de 2.008", held as constant data.
#include "catalogue.h"

namespace recibo::catalogue {
namespace {

// One row per position, in chooser order. Columns: codigocargo, cargox, puntosbasicos,
// compbasico, tareadif, jorcompleta, proljornada; the trailing number is the 1-based row.
constexpr std::array<Position, kRowCount> kRows{{
    {"999", "Analista Princ Tec Doc", "3146", "0", "0", "0", "0"},  // 1
    {"985", "Analista Técnico", "2700", "0", "0", "0", "0"},  // 2
    {"645", "Asesor Pedag Proyecto 13", "2500", "0", "0", "0", "0"},  // 3
    {"604", "Asesor Pedagógico", "2500", "0", "0", "0", "0"},  // 4
    {"788", "Asesor Psicología Educativa", "2500", "0", "0", "0", "0"},  // 5
    {"703", "Asesores", "3429", "0", "0", "0", "0"},  // 6
    {"734", "Asistente Social", "1500", "101", "150", "0", "0"},  // 7
    {"928", "Asistente Social", "1500", "101", "150", "0", "0"},  // 8
    {"651", "Auxiliar De Acciones No Formales", "1170", "144", "0", "0", "580"},  // 9
    {"638", "Ayte Tec De Trab Pract/Laboratorio", "800", "190", "0", "0", "0"},  // 10
    {"646", "Ayudante Clases Practicas (14 Hs)", "650", "210", "0", "0", "0"},  // 11
    {"695", "Ayudante De Cátedra", "700", "203", "0", "0", "0"},  // 12
    {"936", "Bedel", "760", "196", "0", "0", "0"},  // 13
    {"633", "Bibliotecario", "900", "178", "0", "0", "0"},  // 14
    {"750", "Bibliotecario", "900", "178", "0", "0", "0"},  // 15
    {"925", "Bibliotecario", "950", "171", "0", "0", "0"},  // 16
    {"996", "Bibliotecario", "1000", "165", "0", "0", "0"},  // 17
    {"934", "Bibliotecario Instituto Superior", "1000", "165", "0", "0", "0"},  // 18
    {"760", "Bibliotecario Pedagógico", "950", "171", "0", "0", "0"},  // 19
    {"779", "CAPACITADORES CENTROS LABORALES   Mecl", "853", "779", "0", "0", "0"},  // 20
    {"822", "Celador Anexo Albergue", "971", "170", "0", "155", "0"},  // 21
    {"781", "Coord. Dptal. De Centros P/Adultos", "2400", "0", "0", "0", "0"},  // 22
    {"844", "Coordinador Centro Comunitario", "1450", "107", "0", "0", "0"},  // 23
    {"761", "Coordinador Centro Laboral", "1450", "107", "0", "0", "0"},  // 24
    {"650", "Coordinador De Acciones No Formales", "1740", "70", "0", "0", "750"},  // 25
    {"762", "Coordinador Departamental", "2400", "0", "0", "0", "0"},  // 26
    {"706", "Coordinador Hogar Escuela", "2000", "36", "0", "0", "42"},  // 27
    {"827", "Coordinador Provincial Del Programa", "2913", "0", "0", "0", "0"},  // 28
    {"832", "Coordinador Zonal Educación Adultos", "2400", "0", "0", "0", "0"},  // 29
    {"998", "Director", "2600", "0", "0", "0", "0"},  // 30
    {"609", "Director 1era Categoría", "1942", "43", "0", "0", "0"},  // 31
    {"808", "Director 1era Categoría Jornada Completa", "1942", "43", "0", "669", "0"},  // 32
    {"817", "Director 2da Anexo Albergue", "1782", "64", "0", "839", "0"},  // 33
    {"611", "Director 2da Categoría", "1782", "64", "0", "0", "0"},  // 34
    {"809", "Director 2da Categoría Jornada Completa", "1782", "64", "0", "669", "0"},  // 35
    {"613", "Director 3era Categoría", "1692", "76", "0", "0", "0"},  // 36
    {"820", "Director 3era Categoría Anexo Albergue", "1692", "76", "0", "839", "0"},  // 37
    {"810", "Director 3era Categoría Jornada Completa", "1692", "76", "0", "663", "0"},  // 38
    {"821", "Director 4ta Categoría Anexo Albergue", "1592", "89", "0", "839", "0"},  // 39
    {"811", "Director 4ta Categoría Jornada Completa", "1592", "89", "0", "657", "0"},  // 40
    {"909", "Director Cuarta Categoría", "1592", "89", "0", "0", "0"},  // 41
    {"648", "Director De 1° C.E.F.", "1942", "43", "0", "0", "0"},  // 42
    {"672", "Director De 1era A/C De 2 Turnos Con P. De Jorn", "2000", "36", "0", "0", "300"},  // 43
    {"686", "Director De 1era Cat. A/C De 3 Turnos Con P. De Jorn.", "2000", "36", "0", "0", "600"},  // 44
    {"667", "Director De 1era Cat. Con Prolong. De Jorn.", "2000", "36", "0", "0", "830"},  // 45
    {"673", "Director De 2da A/C De 2 Turnos Con P. De Jorn.", "1840", "57", "0", "0", "300"},  // 46
    {"687", "Director De 2da Cat. A/C De 3 Turnos Con P. De Jorn.", "1840", "57", "0", "0", "600"},  // 47
    {"668", "Director De 2da Cat. Con Prolong. De Jorn.", "1840", "57", "0", "0", "830"},  // 48
    {"674", "Director De 3era A/C De 2 Turnos Con P. De Jorn.", "1740", "70", "0", "0", "300"},  // 49
    {"688", "Director De 3era Cat. A/C De 3 Turnos Con P. De Jorn.", "1740", "70", "0", "0", "600"},  // 50
    {"669", "Director De 3era Cat. Con Prolong. De Jorn.", "1740", "70", "0", "0", "830"},  // 51
    {"794", "Director Dpto. Aplicación", "1942", "43", "0", "0", "0"},  // 52
    {"978", "Director Dpto. Aplicación L. V.", "1942", "43", "0", "0", "0"},  // 53
    {"705", "Director Esc. 2da Cat. Esc. Anexas FFAA", "1782", "64", "0", "0", "0"},  // 54
    {"945", "Director Esc. 2da Categoría Jornada Completa", "1782", "64", "0", "669", "0"},  // 55
    {"956", "Director Esc. 3era Cat. Jornada Completa", "1692", "76", "0", "663", "0"},  // 56
    {"704", "Director Esc. 3ra Cat. Esc. Anexas FFAA", "1692", "76", "0", "0", "0"},  // 57
    {"941", "Director Esc. Capacitación Técnica 1era Categoría", "1942", "43", "0", "0", "0"},  // 58
    {"942", "Director Esc. Capacitación Técnica 2da Categoría", "1782", "64", "0", "0", "0"},  // 59
    {"940", "Director Esc. Capacitación Técnica 3era Categoría", "1692", "76", "0", "0", "0"},  // 60
    {"912", "Director Esc. Nivel Inicial 2da Categoría", "1782", "64", "17", "0", "0"},  // 61
    {"972", "Director Esc. Nivel Inicial 3era Categoría", "1692", "76", "17", "0", "0"},  // 62
    {"973", "Director Esc. Nivel Inicial 4ta Categoría", "1592", "89", "17", "0", "0"},  // 63
    {"716", "Director Escuela 1era Categoría", "1942", "43", "0", "0", "0"},  // 64
    {"719", "Director Escuela 2da Categoría", "1782", "64", "0", "0", "0"},  // 65
    {"722", "Director Escuela 3era Categoría", "1692", "76", "0", "0", "0"},  // 66
    {"725", "Director Escuela 4ta Categoría", "1592", "89", "0", "0", "0"},  // 67
    {"729", "Director Escuela Adultos 1era Categoría", "1942", "43", "0", "0", "0"},  // 68
    {"731", "Director Escuela Adultos 2da Categoría", "1782", "64", "0", "0", "0"},  // 69
    {"911", "Director Escuela Adultos 2da Categoría", "1782", "64", "0", "0", "0"},  // 70
    {"930", "Director Escuela Capacitación Técnica 4ta Categoría", "1592", "89", "0", "0", "0"},  // 71
    {"724", "Director Escuela Cárcel", "1782", "64", "0", "0", "0"},  // 72
    {"730", "Director Escuela Coral", "1692", "76", "0", "0", "0"},  // 73
    {"773", "Director Escuela Diferenciada Jornada Completa", "1782", "64", "0", "669", "0"},  // 74
    {"721", "Director Escuela Educación Especial", "1782", "64", "20", "0", "0"},  // 75
    {"910", "Director Escuela Educación Especial", "1782", "64", "20", "0", "0"},  // 76
    {"959", "Director Escuela Enfermería", "1942", "43", "0", "0", "0"},  // 77
    {"728", "Director Escuela Maternal", "1692", "76", "17", "0", "0"},  // 78
    {"753", "Director Escuela Para Ciegos", "1782", "64", "20", "0", "0"},  // 79
    {"766", "Director Escuela Para Sordos", "1782", "64", "20", "0", "0"},  // 80
    {"717", "Director Gabinete De Psicometría", "2350", "0", "0", "0", "0"},  // 81
    {"981", "Director Jardín De Infantes", "1692", "76", "17", "0", "0"},  // 82
    {"718", "Director Nivel Inicial 1era Categoría", "1942", "43", "17", "0", "0"},  // 83
    {"720", "Director Nivel Inicial 2da Categoría", "1782", "64", "17", "0", "0"},  // 84
    {"778", "Director Nivel Inicial 3era Categoría", "1692", "76", "17", "0", "0"},  // 85
    {"736", "Director Parque Escolar \"E. Berduc\"", "1782", "64", "0", "0", "0"},  // 86
    {"842", "Director Personal Único", "1450", "107", "0", "0", "0"},  // 87
    {"968", "Director Personal Único", "1500", "101", "0", "0", "0"},  // 88
    {"906", "Director Primera Categoría", "1942", "43", "0", "0", "0"},  // 89
    {"907", "Director Segunda Categoría", "1782", "64", "0", "0", "0"},  // 90
    {"908", "Director Tercera Categoría", "1692", "76", "0", "0", "0"},  // 91
    {"988", "Director/Rector 1§ - 2 Turnos", "2700", "0", "0", "0", "0"},  // 92
    {"989", "Director/Rector 1§ - 3 Turnos", "2900", "0", "0", "0", "0"},  // 93
    {"831", "Educador De Adultos", "900", "178", "0", "0", "0"},  // 94
    {"943", "Fonoaudiologo", "1200", "139", "150", "0", "0"},  // 95
    {"764", "Fonoaudiólogo", "1200", "139", "150", "0", "0"},  // 96
    {"647", "Instructor Complejo Agrario", "1000", "165", "0", "0", "0"},  // 97
    {"652", "Instructor Esc. Agropecuarias", "1000", "165", "0", "0", "0"},  // 98
    {"963", "Instructor Instituto Superior", "1050", "158", "0", "0", "0"},  // 99
    {"675", "Jefe Agropecuario 1era Cat. Con Prolong. De Jorn.", "1740", "70", "0", "0", "725"},  // 100
    {"616", "Jefe Agropecuario 1era Categoría", "1740", "70", "0", "0", "0"},  // 101
    {"676", "Jefe Agropecuario 2da Cat. Con Prolong. De Jorn.", "1640", "83", "0", "0", "725"},  // 102
    {"617", "Jefe Agropecuario 2da Categoría", "1640", "83", "0", "0", "0"},  // 103
    {"677", "Jefe Agropecuario 3era Cat. Con Prolong. De Jorn.", "1540", "96", "0", "0", "725"},  // 104
    {"618", "Jefe Agropecuario 3era Categoría", "1540", "96", "0", "0", "0"},  // 105
    {"637", "Jefe De Ens Practica", "1320", "124", "0", "0", "0"},  // 106
    {"636", "Jefe De Laboratorio", "1250", "133", "0", "0", "0"},  // 107
    {"659", "Jefe De Preceptores 1era Cat.", "1400", "114", "0", "0", "0"},  // 108
    {"660", "Jefe De Preceptores 2da Y 3era Cat.", "1320", "124", "0", "0", "0"},  // 109
    {"600", "Jefe De Preceptores De 2da Y 3ra Categoría", "1320", "124", "0", "0", "0"},  // 110
    {"662", "Jefe De Preceptores J. C. Agraria", "1690", "76", "0", "0", "708"},  // 111
    {"708", "Jefe Departamento Técnico", "1550", "94", "0", "0", "0"},  // 112
    {"960", "Jefe Docente Escuela Enfermería", "1550", "94", "0", "0", "0"},  // 113
    {"780", "Jefe Dpto Pedagógico Y Supervisión", "2600", "0", "0", "0", "0"},  // 114
    {"980", "Jefe Dpto. Educación Física", "574", "222", "0", "0", "0"},  // 115
    {"664", "Jefe Dpto. Educación Física (Transformado) 971 + 620", "971", "170", "0", "0", "620"},  // 116
    {"900", "Jefe Dpto. Pedagógico Y De Supervisión", "2600", "0", "0", "0", "0"},  // 117
    {"698", "Jefe Gral. De Ens. Practica 1era Cat.", "1550", "94", "0", "0", "0"},  // 118
    {"699", "Jefe Gral. De Ens. Practica 2da Cat.", "1450", "107", "0", "0", "0"},  // 119
    {"663", "Jefe Gral. De Enseñanza Practica 3ra Cat.", "1400", "114", "0", "0", "0"},  // 120
    {"679", "Jefe Intern. 1era Cat. Esc. Agrop. Con P. De Jorn.", "1400", "114", "0", "0", "590"},  // 121
    {"680", "Jefe Intern. 2da Cat. Esc. Agrop. Con P. De Jorn.", "1320", "124", "0", "0", "590"},  // 122
    {"681", "Jefe Intern. 3era Cat. Esc. Agrop. Con P. De Jorn.", "1250", "133", "0", "0", "590"},  // 123
    {"692", "Jefe Intern. Esc. Técnica 1era Cat. Con Prol. De Jorn.", "1400", "114", "0", "0", "580"},  // 124
    {"693", "Jefe Intern. Esc. Técnica 2da Cat. Con Prol. De Jorn.", "1320", "124", "0", "0", "580"},  // 125
    {"694", "Jefe Intern. Esc. Técnica 3era Cat. Con Prol. De Jorn.", "1250", "133", "0", "0", "580"},  // 126
    {"623", "Jefe Internado 1era Categoría", "1400", "114", "0", "0", "0"},  // 127
    {"641", "Jefe Internado 2da Categoría", "1320", "124", "0", "0", "0"},  // 128
    {"624", "Jefe Internado 3era Categoría", "1250", "133", "0", "0", "0"},  // 129
    {"967", "Jefe Laboratorio Computación", "1250", "133", "0", "0", "0"},  // 130
    {"678", "Jefe Sección Esc. Agrop. Con Prolong. De Jorn.", "1320", "124", "0", "0", "590"},  // 131
    {"619", "Jefe Sección Esc. Agropecuaria", "1320", "124", "0", "0", "0"},  // 132
    {"691", "Jefe Sectorial De Jornada Completa Agraria", "1690", "76", "0", "0", "708"},  // 133
    {"654", "Jefe Taller Esc. Técnica 1era Categoría", "1700", "75", "0", "0", "300"},  // 134
    {"655", "Jefe Taller Esc. Técnica 2da Categoría", "1550", "94", "0", "0", "200"},  // 135
    {"653", "Jefe Taller Esc. Técnica 3era Categoría", "1400", "114", "0", "0", "100"},  // 136
    {"997", "Jefe Trabajos Prácticos", "1100", "152", "0", "0", "0"},  // 137
    {"974", "Kinesiólogo", "1200", "139", "150", "0", "0"},  // 138
    {"746", "Maestro Auxiliar Escuela Diferenciada", "971", "170", "20", "0", "0"},  // 139
    {"771", "Maestro Auxiliar Escuela Diferenciada Jornada Completa", "971", "170", "0", "620", "0"},  // 140
    {"629", "Maestro Ayud Ens Pract 1ra 2da 3ra", "971", "170", "0", "0", "0"},  // 141
    {"740", "Maestro Carcelario", "971", "170", "0", "0", "0"},  // 142
    {"977", "Maestro De Actividades Practicas", "971", "170", "0", "0", "0"},  // 143
    {"952", "Maestro De Actividades Practicas Jornada Completa", "971", "170", "0", "620", "0"},  // 144
    {"649", "Maestro De Ciclo E.G.B.", "971", "170", "0", "0", "0"},  // 145
    {"922", "Maestro De Educación Física", "971", "170", "0", "0", "0"},  // 146
    {"947", "Maestro De Educación Física Jornada Completa", "971", "170", "0", "620", "0"},  // 147
    {"976", "Maestro De Educación Musical", "971", "170", "0", "0", "0"},  // 148
    {"953", "Maestro De Educación Musical Jornada Completa", "971", "170", "0", "620", "0"},  // 149
    {"634", "Maestro De Grado", "971", "170", "0", "0", "0"},  // 150
    {"749", "Maestro De Grado", "971", "170", "0", "0", "0"},  // 151
    {"921", "Maestro De Grado Adultos", "971", "170", "0", "0", "0"},  // 152
    {"818", "Maestro De Grado Anexo Albergue", "971", "170", "0", "659", "0"},  // 153
    {"739", "Maestro De Grado Diferenciado", "971", "170", "20", "0", "0"},  // 154
    {"918", "Maestro De Grado Diferenciado", "971", "170", "20", "0", "0"},  // 155
    {"702", "Maestro De Grado Esc. Anexas FFAA", "971", "170", "0", "0", "0"},  // 156
    {"917", "Maestro De Grado Esc. Primaria", "971", "170", "0", "0", "0"},  // 157
    {"813", "Maestro De Grado Jornada Completa", "971", "170", "0", "620", "0"},  // 158
    {"946", "Maestro De Grado Jornada Completa", "971", "170", "0", "620", "0"},  // 159
    {"983", "Maestro De Grado L.V.", "971", "170", "0", "0", "0"},  // 160
    {"920", "Maestro De Grupo Esc. Diferenciada", "971", "170", "20", "0", "0"},  // 161
    {"919", "Maestro De Jardín De Infantes", "971", "170", "17", "0", "0"},  // 162
    {"732", "Maestro Domiciliario", "971", "170", "20", "0", "0"},  // 163
    {"797", "Maestro Dpto. Aplicación", "971", "170", "0", "0", "0"},  // 164
    {"747", "Maestro Educación Física", "971", "170", "0", "0", "0"},  // 165
    {"622", "Maestro Ens Pract - 1ra 2da 3ra", "971", "170", "0", "0", "0"},  // 166
    {"621", "Maestro Ens Pract - Jefe Sección", "971", "170", "0", "0", "0"},  // 167
    {"931", "Maestro Esc. Capacitación Técnica", "971", "170", "0", "0", "0"},  // 168
    {"735", "Maestro Escuela Diferenciada", "971", "170", "20", "0", "0"},  // 169
    {"969", "Maestro Escuela Especial", "971", "170", "20", "0", "0"},  // 170
    {"743", "Maestro Escuela Maternal", "971", "170", "17", "0", "0"},  // 171
    {"754", "Maestro Escuela Nocturna", "971", "170", "0", "0", "0"},  // 172
    {"984", "Maestro Esp Dpto. Aplicación L.V.", "971", "170", "0", "0", "0"},  // 173
    {"819", "Maestro Esp. Activ. Practicas Anexo Albergue", "971", "170", "0", "659", "0"},  // 174
    {"772", "Maestro Especial Act. Pract. Diferenciada J. Completa", "971", "170", "20", "0", "0"},  // 175
    {"742", "Maestro Especial Actividad Practicas Diferenciada", "971", "170", "20", "0", "0"},  // 176
    {"755", "Maestro Especial Actividades Practicas", "971", "170", "0", "0", "0"},  // 177
    {"757", "Maestro Especial Actividades Practicas Adulto", "971", "170", "0", "0", "0"},  // 178
    {"814", "Maestro Especial De Act. Practicas Jorn. Completa", "971", "170", "0", "620", "0"},  // 179
    {"776", "Maestro Especial De Taller", "971", "170", "0", "0", "0"},  // 180
    {"777", "Maestro Especial De Taller Anexo Albergue", "971", "170", "0", "659", "0"},  // 181
    {"839", "Maestro Especial De Taller Jornada Completa", "971", "170", "0", "620", "0"},  // 182
    {"837", "Maestro Especial Educación Fisica Anexo Albergue", "971", "170", "0", "659", "0"},  // 183
    {"768", "Maestro Especial Educación Física Diferenciado", "971", "170", "20", "0", "0"},  // 184
    {"834", "Maestro Especial Educación Fisica Jorn. Completa", "971", "170", "0", "620", "0"},  // 185
    {"763", "Maestro Especial Educación Musical", "971", "170", "0", "0", "0"},  // 186
    {"783", "Maestro Especial Educación Musical Adultos", "971", "170", "0", "0", "0"},  // 187
    {"836", "Maestro Especial Educación Musical Anexo Albergue", "971", "170", "0", "659", "0"},  // 188
    {"737", "Maestro Especial Educación Musical Diferenciado", "971", "170", "20", "0", "0"},  // 189
    {"833", "Maestro Especial Educación Musical Jornada Completa", "971", "170", "0", "620", "0"},  // 190
    {"745", "Maestro Especial Escuela Coral", "971", "170", "0", "0", "0"},  // 191
    {"986", "Maestro Especial Jardín de Infantes", "971", "170", "17", "0", "0"},  // 192
    {"835", "Maestro Especial Jornada Simple Sin Prolongacion De Jornada", "971", "170", "0", "0", "0"},  // 193
    {"758", "Maestro Especial Técnico Agropecuario", "971", "170", "0", "0", "0"},  // 194
    {"840", "Maestro Especial Técnico Agropecuario Jorn. Completa", "971", "170", "0", "620", "0"},  // 195
    {"849", "Maestro Grado Egb3 (Primaria)", "971", "170", "0", "0", "0"},  // 196
    {"759", "Maestro Hospitalario", "971", "170", "20", "0", "0"},  // 197
    {"738", "Maestro Jardín De Infantes", "971", "170", "17", "0", "0"},  // 198
    {"987", "Maestro Jardín De Infantes", "971", "170", "17", "0", "0"},  // 199
    {"815", "Maestro Jardín De Infantes Jornada Completa", "971", "170", "0", "620", "0"},  // 200
    {"923", "Maestro Materias Especiales", "971", "170", "0", "0", "0"},  // 201
    {"798", "Maestro Materias Especiales Dpto. Aplicación", "971", "170", "0", "0", "0"},  // 202
    {"924", "Maestro Materias Especiales Esc. Diferenciada", "971", "170", "20", "0", "0"},  // 203
    {"789", "Maestro Nivelador", "971", "170", "0", "0", "0"},  // 204
    {"955", "Maestro Nivelador", "971", "170", "0", "0", "0"},  // 205
    {"975", "Maestro Orientador", "971", "170", "0", "0", "0"},  // 206
    {"628", "Maestro Tecnológico Y Especialidades", "971", "170", "0", "0", "0"},  // 207
    {"632", "Preceptor", "790", "192", "0", "0", "0"},  // 208
    {"642", "Preceptor Ayudante De Internado 2da Categoría", "1050", "158", "0", "0", "0"},  // 209
    {"682", "Preceptor Ayudante Intern. 1era Cat. Con P. De Jorn. (Pasó A 684)", "1170", "144", "0", "0", "580"},  // 210
    {"683", "Preceptor Ayudante Intern. 2da Cat. Con P. De Jorn. (Pasó A 684)", "1100", "152", "0", "0", "580"},  // 211
    {"689", "Preceptor Ayudante Intern. Esc. Técnica (Pasó A 684)", "1100", "152", "0", "0", "0"},  // 212
    {"684", "Preceptor Ayudante Internado", "1050", "158", "0", "0", "0"},  // 213
    {"630", "Preceptor Ayudante Internado 1era Categoría", "1100", "152", "0", "0", "0"},  // 214
    {"631", "Preceptor Ayudante Internado 3era Categoría", "1000", "165", "0", "0", "0"},  // 215
    {"929", "Preceptor Esc. Diferenciada", "790", "192", "20", "0", "0"},  // 216
    {"970", "Preceptor Guía Internado Instituto Superior", "850", "184", "0", "0", "0"},  // 217
    {"935", "Preceptor Instituto Superior", "820", "188", "0", "0", "0"},  // 218
    {"937", "Preceptor Instituto Superior - Privada", "820", "188", "0", "0", "0"},  // 219
    {"657", "Prosecretario 1era Cat.", "1320", "124", "0", "0", "0"},  // 220
    {"658", "Prosecretario 2da Y 3era Cat.", "1250", "133", "0", "0", "0"},  // 221
    {"995", "Prosecretario Nivel Superior", "1700", "75", "0", "0", "0"},  // 222
    {"765", "Psicólogo", "1200", "139", "150", "0", "0"},  // 223
    {"926", "Psicólogo", "1300", "126", "150", "0", "0"},  // 224
    {"751", "Psicopedagogo", "1200", "139", "150", "0", "0"},  // 225
    {"951", "Psicopedagogo", "1300", "126", "150", "0", "0"},  // 226
    {"993", "Rector Curso Prof.", "2600", "0", "0", "0", "0"},  // 227
    {"932", "Rector Instituto Superior", "2800", "0", "0", "0", "0"},  // 228
    {"640", "Rector Proyecto 13", "2500", "0", "0", "0", "0"},  // 229
    {"991", "Regente", "2200", "11", "0", "0", "0"},  // 230
    {"696", "Regente De 3era Cat.", "1550", "94", "0", "0", "0"},  // 231
    {"612", "Regente Esc. Técnica 1era Categoría", "1740", "70", "0", "0", "0"},  // 232
    {"620", "Regente Esc. Técnica 2da Categoría", "1640", "83", "0", "0", "0"},  // 233
    {"603", "Resp. Área Asistemático y Sistemática", "1500", "101", "0", "0", "0"},  // 234
    {"830", "Responsable Zonal O Sectorial", "2400", "0", "0", "0", "0"},  // 235
    {"625", "Secretario 1era Categoría", "1400", "114", "0", "0", "0"},  // 236
    {"824", "Secretario 1era Categoría Jornada Completa", "1400", "114", "0", "620", "0"},  // 237
    {"626", "Secretario 2da Categoría", "1320", "124", "0", "0", "0"},  // 238
    {"825", "Secretario 2da Categoría Jornada Completa", "1320", "124", "0", "620", "0"},  // 239
    {"627", "Secretario 3era Categoría", "1250", "133", "0", "0", "0"},  // 240
    {"826", "Secretario 3era Categoría Jornada Completa", "1250", "133", "0", "620", "0"},  // 241
    {"966", "Secretario Académico", "2300", "0", "0", "0", "0"},  // 242
    {"962", "Secretario Administrativo Escuela Enfermería", "1320", "124", "0", "0", "0"},  // 243
    {"784", "Secretario De Supervisión", "2300", "0", "0", "0", "0"},  // 244
    {"769", "Secretario Docente", "1912", "47", "0", "0", "0"},  // 245
    {"606", "Secretario Docente D.E.M.Y.A.", "1912", "47", "0", "0", "0"},  // 246
    {"961", "Secretario Docente Escuela Enfermería", "1912", "47", "0", "0", "0"},  // 247
    {"715", "Secretario Docente Hogar Escuela", "1912", "47", "0", "0", "42"},  // 248
    {"958", "Secretario Docente Privada", "1912", "47", "0", "0", "0"},  // 249
    {"965", "Secretario Docente Superior", "2000", "36", "0", "0", "0"},  // 250
    {"796", "Secretario Dpto. Aplicación", "1400", "114", "0", "0", "0"},  // 251
    {"916", "Secretario Esc. 2da Categoría", "1320", "124", "0", "0", "0"},  // 252
    {"944", "Secretario Esc. Primaria 1era Categoría", "1400", "114", "0", "0", "0"},  // 253
    {"744", "Secretario Escuela 1era Categoría", "1400", "114", "0", "0", "0"},  // 254
    {"741", "Secretario Escuela 2da Categoría", "1320", "124", "0", "0", "0"},  // 255
    {"843", "Secretario Escuela 3era Categoría", "1250", "133", "0", "0", "0"},  // 256
    {"748", "Secretario Escuela Adultos", "1320", "124", "0", "0", "0"},  // 257
    {"775", "Secretario Escuela Diferenciada", "1320", "124", "20", "0", "0"},  // 258
    {"971", "Secretario Escuela Especial", "1320", "124", "20", "0", "0"},  // 259
    {"933", "Secretario Instituto Superior", "1800", "62", "0", "0", "0"},  // 260
    {"994", "Secretario Nivel Superior", "1800", "62", "0", "0", "0"},  // 261
    {"756", "Secretario Parque Escolar", "1320", "124", "0", "0", "0"},  // 262
    {"905", "Secretario Técnico Dpto. Pedagógico", "2300", "0", "0", "0", "0"},  // 263
    {"979", "Subdirector Dpto. Aplicación L.V.", "1740", "70", "0", "0", "0"},  // 264
    {"982", "Subdirector Jardín De Infantes", "1540", "96", "17", "0", "0"},  // 265
    {"639", "Subjefe De Precept 1ra Cat", "1250", "133", "0", "0", "0"},  // 266
    {"661", "Subjefe De Preceptores 1era Cat.", "1250", "133", "0", "0", "0"},  // 267
    {"697", "Subregente De 1era Cat.", "1450", "107", "0", "0", "0"},  // 268
    {"792", "Supervisor Bibliotecas Escolares", "2600", "0", "0", "0", "0"},  // 269
    {"605", "Supervisor D.E.M.Y.A.", "2913", "0", "0", "0", "0"},  // 270
    {"712", "Supervisor De Actividades Practicas", "2913", "0", "0", "0", "0"},  // 271
    {"711", "Supervisor De Educación Física", "2913", "0", "0", "0", "0"},  // 272
    {"713", "Supervisor De Educación Musical", "2913", "0", "0", "0", "0"},  // 273
    {"710", "Supervisor De Enseñanza Especial", "2913", "0", "20", "0", "0"},  // 274
    {"709", "Supervisor De Enseñanza Primaria", "2913", "0", "0", "0", "0"},  // 275
    {"770", "Supervisor Enseñanza Adultos", "2913", "0", "0", "0", "0"},  // 276
    {"902", "Supervisor Enseñanza Especial", "2913", "0", "20", "0", "0"},  // 277
    {"903", "Supervisor Enseñanza Primaria", "2913", "0", "0", "0", "0"},  // 278
    {"901", "Supervisor Instituto Superior", "3100", "0", "0", "0", "0"},  // 279
    {"791", "Supervisor Nivel Inicial", "2913", "0", "17", "0", "0"},  // 280
    {"793", "Supervisor Técnico", "2913", "0", "0", "0", "0"},  // 281
    {"828", "Técnico Del Programa 35 Hs", "2300", "0", "0", "0", "0"},  // 282
    {"726", "Técnico Diferenciado", "1200", "139", "20", "0", "0"},  // 283
    {"714", "Técnico Docente", "1500", "101", "0", "0", "0"},  // 284
    {"829", "Técnico Docente 20 Hs", "900", "178", "0", "0", "0"},  // 285
    {"752", "Técnico Docente Enseñanza Especial", "1500", "101", "20", "0", "0"},  // 286
    {"608", "Técnico Pedagógico", "2400", "0", "0", "0", "0"},  // 287
    {"614", "Vicedirector 1era Categoría", "1640", "83", "0", "0", "0"},  // 288
    {"823", "Vicedirector 1era Categoría Jornada Completa", "1640", "83", "0", "663", "0"},  // 289
    {"990", "Vicedirector 1ra Y 2da", "1640", "83", "0", "0", "0"},  // 290
    {"615", "Vicedirector 2da Categoría", "1540", "96", "0", "0", "0"},  // 291
    {"812", "Vicedirector 2da Categoría Jornada Completa", "1540", "96", "0", "657", "0"},  // 292
    {"643", "Vicedirector 3era Categoría", "1440", "109", "0", "0", "0"},  // 293
    {"670", "Vicedirector De 1era Cat. Con Prolong. De Jorn.", "1640", "83", "0", "0", "830"},  // 294
    {"671", "Vicedirector De 2da Cat. Con Prolong. De Jorn.", "1540", "96", "0", "0", "830"},  // 295
    {"795", "Vicedirector Dpto. Aplicación De 2da Categoría ", "1450", "107", "0", "0", "0"},  // 296
    {"954", "Vicedirector Esc. 2da Categoría Jornada Completa", "1540", "96", "0", "657", "0"},  // 297
    {"685", "Vicedirector Esc. 3era Cat. Con Prolong. De Jorn.", "1440", "109", "0", "0", "830"},  // 298
    {"915", "Vicedirector Esc. Educación Especial", "1640", "83", "20", "0", "0"},  // 299
    {"913", "Vicedirector Esc. Primaria 1era Categoría", "1640", "83", "0", "0", "0"},  // 300
    {"914", "Vicedirector Esc. Primaria 2da Categoría", "1540", "96", "0", "0", "0"},  // 301
    {"957", "Vicedirector Esc. Técnica 1era Categoría", "1640", "83", "0", "0", "0"},  // 302
    {"723", "Vicedirector Escuela 1era Categoría", "1640", "83", "0", "0", "0"},  // 303
    {"727", "Vicedirector Escuela 2da Categoría", "1540", "96", "0", "0", "0"},  // 304
    {"774", "Vicedirector Escuela Diferenciada Jornada Completa", "1640", "83", "0", "657", "0"},  // 305
    {"767", "Vicedirector Escuela Enseñanza Especial", "1640", "83", "20", "0", "0"},  // 306
    {"816", "Vicedirector Nivel Inicial 2da Categoría", "1540", "96", "17", "0", "0"},  // 307
    {"992", "Vicerector Curso Prof.", "2400", "0", "0", "0", "0"},  // 308
    {"904", "Vicerector Instituto Superior", "2600", "0", "0", "0", "0"},  // 309
    {"644", "Vicerector Proyecto 13", "2350", "0", "0", "0", "0"},  // 310
    {"733", "Visitador", "1320", "124", "0", "0", "0"},  // 311
}};

constexpr bool isThreeDigitCode(std::string_view code)
{
    if (code.size() != 3)
        return false;
    for (char c : code) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// A missing initialiser would silently leave empty rows at the end of the array.
constexpr bool everyRowFilled()
{
    for (const Position &p : kRows) {
        if (!isThreeDigitCode(p.code) || p.name.empty() || p.basicPoints.empty()
            || p.complementPoints.empty() || p.taskPoints.empty() || p.fullDayPoints.empty()
            || p.extendedDayPoints.empty())
            return false;
    }
    return true;
}

// Lookup by code takes the first match, so a repeated code would hide a row. Codes are three
// digits, so one pass over a table of the 1000 possible codes finds a repeat.
constexpr bool codesUnique()
{
    std::array<bool, 1000> seen{};
    for (const Position &p : kRows) {
        if (!isThreeDigitCode(p.code))
            return false;
        const auto code = static_cast<std::size_t>((p.code[0] - '0') * 100 + (p.code[1] - '0') * 10
                                                   + (p.code[2] - '0'));
        if (seen[code])
            return false;
        seen[code] = true;
    }
    return true;
}

static_assert(everyRowFilled(), "every catalogue row needs a three-digit code and all six texts");
static_assert(codesUnique(), "catalogue codes must be unique");

}  // namespace

const std::array<Position, kRowCount> &rows()
{
    return kRows;
}

const Position *rowAt(int index)
{
    if (index < 0 || static_cast<std::size_t>(index) >= kRows.size())
        return nullptr;
    return &kRows[static_cast<std::size_t>(index)];
}

std::optional<int> findByCode(std::string_view code)
{
    // 311 three-character keys: a plain scan is quick enough and allocates nothing.
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (kRows[i].code == code)
            return static_cast<int>(i);
    }
    return std::nullopt;
}

}  // namespace recibo::catalogue
