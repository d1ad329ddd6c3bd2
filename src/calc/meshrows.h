#pragma once

// Where the two mesh tables change their rule, by the 0-based position of the size row: the
// size selection, the check of the user's own sizes and the materials list all go by these.
namespace MeshRows {

// Woven meshes up to this row are made with a rhombic or a square cell (mass columns 3 and 4);
// the rows after it are woven cloth, with its mass in column 6.
inline constexpr int LastShapedWovenMesh = 46;

// Welded meshes up to this row are rolls whose mass of 1 m² is fixed, one figure a row; the
// rows after it work their mass out from the wire spacings and the chosen wire diameter.
inline constexpr int LastRollWeldedMesh = 2;
inline constexpr float RollMeshMasses[LastRollWeldedMesh + 1] = {2.91f, 1.93f, 1.58f};

} // namespace MeshRows
