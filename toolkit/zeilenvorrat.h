// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <array>
#include <cstddef>
#include <string>
#include <utility>

namespace netzplaner {

// The cells of the row a table model worked out last. A view asks for the
// cells of a row one after another: the row is worked out once for all of
// them. A model that changes its rows forgets what it kept.
template <typename Zeile>
class Zeilenvorrat {
public:
    template <typename Rechnen>
    const Zeile& zeile(int index, Rechnen&& rechne)
    {
        if (index != index_) {
            zeile_ = std::forward<Rechnen>(rechne)(index);
            index_ = index;
        }
        return zeile_;
    }

    void vergiss() { index_ = -1; }

private:
    int index_ = -1;
    Zeile zeile_{};
};

// calc's cells of a row as the view shows them.
template <std::size_t N>
std::array<QString, N> alsQStrings(const std::array<std::string, N>& zellen)
{
    std::array<QString, N> texte;
    for (std::size_t i = 0; i < N; ++i)
        texte[i] = QString::fromStdString(zellen[i]);
    return texte;
}

} // namespace netzplaner
