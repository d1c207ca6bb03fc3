#pragma once

#include <string>

namespace mirelo::bench {

// A synthetic multi-storey building on a regular grid, as version-6 s2k text:
// joints numbered 1, 2, 3 ... storey by storey, fixed column bases, one rigid
// diaphragm per floor with its mass on the master joint, nonlinear columns,
// elastic beams, shell slabs, and DEAD and LIVE cases with joint forces and
// distributed frame loads.
struct BuildingSize {
    int storeys = 3;
    int baysX = 2;
    int baysY = 3;
    double bayX = 6.0;
    double bayY = 5.0;
    double storeyHeight = 3.0;
    bool shells = true;      // one slab panel per bay and floor
    bool diaphragms = true;  // one CONSTRAINT per floor plus a master joint
    bool loads = true;       // DEAD and LIVE cases
};

std::string GenerateBuildingS2k(const BuildingSize& size);

// The smallest square-plan building of 10 storeys whose `count` reaches
// `atLeast`.
BuildingSize BuildingWithAtLeast(long long atLeast, long long (*count)(const BuildingSize&));

// The size whose text has at least `lines` lines (square plan, 10 storeys).
BuildingSize BuildingWithAtLeastLines(long long lines);

// The same building as SAP2000 v24 table text, labelled 1, 2, 3 ... in the
// order of the version-6 text, so both import to the same model but for the
// element kinds (sections from tables are elastic).
std::string GenerateBuildingTables(const BuildingSize& size);

// The rows of its tables (headings and blank lines not counted), and the
// size with at least `rows` of them (square plan, 10 storeys).
long long TableRowCount(const BuildingSize& size);
BuildingSize BuildingWithAtLeastTableRows(long long rows);

} // namespace mirelo::bench
