#pragma once
// Latitude and longitude of the map grid: 32 cells per degree, row 0 on latitude 55 and
// column 0 on longitude -5. Half degrees fall on multiples of 16 cells.

constexpr int CellsPerDegree = 32;
constexpr int CellsPerHalfDegree = 16;

constexpr bool IsWholeDegree(int cell) {
    return cell % CellsPerDegree == 0;
}
constexpr bool IsHalfDegree(int cell) {
    return cell % CellsPerHalfDegree == 0;
}
// Whole-number divisions, as the labels show them.
constexpr int LatitudeOfRow(int row) {
    return 55 - row / CellsPerDegree;
}
constexpr int LongitudeOfColumn(int column) {
    return column / CellsPerDegree - 5;
}
