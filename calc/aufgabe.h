// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calc/adresse.h"

namespace netzplaner {

// The kinds of exercise, in the order of the exercise window's list.
enum class Aufgabenart { Netz, Maske, Teilnetze, Vlsm, Zusammenfassen, Gemischt };

// "netz", "maske", "teilnetze", "vlsm", "zusammenfassen", "gemischt"
const std::array<std::string_view, 6>& aufgabenartNamen();
std::string_view aufgabenartName(Aufgabenart art);
std::optional<Aufgabenart> aufgabenartVon(std::string_view name);

// How an answer is read, and what it is compared with.
enum class Antwortform { Adresse, Maske, Anzahl, Netz };

struct Antwortfeld {
    std::string frage; // "Netzadresse", "3. Teilnetz", "A"
    Antwortform form;
    Adresse adresse = 0;      // Adresse, Netz
    int praefix = 0;          // Maske, Netz
    std::uint64_t anzahl = 0; // Anzahl
    std::string loesung;      // the right answer as the solution writes it
};

struct Aufgabe {
    Aufgabenart art; // never Gemischt: a mixed series tells the kind it drew
    std::string text;
    std::vector<Antwortfeld> felder;
    std::vector<std::string> weg; // the worked solution, line by line
};

constexpr std::uint32_t hoechsteSerie = 99999;

// The same series, kind and task number (from 1) give the same task on every
// machine: a teacher can hand out "Serie 4711, Aufgaben 1 bis 10".
Aufgabe erzeugeAufgabe(std::uint32_t serie, Aufgabenart art, std::uint32_t nummer);

} // namespace netzplaner
