#pragma once

#include <QString>

#include <vector>

namespace tezaurel {

class RedareLucrare;

// The paper as an OpenDocument text (.odt), its variants one after another,
// the scans embedded as the PDF prints them, for a teacher who wants to change
// something in a word processor. Written in one checked step; motiv, when
// given, gets why the file could not be written.
bool ScrieOdt(const std::vector<RedareLucrare *> &variante, const QString &cale,
              QString *motiv = nullptr);

} // namespace tezaurel
