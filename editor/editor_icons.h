#pragma once
// The editor's small pictures, drawn by code: its image buttons (add, edit, delete, back, quit)
// and the squad grid's marks (regular starter, star).
#include <QImage>

namespace tarvelon {

class TImage;
class TImageList;

enum class TEditorIcon { Add, Edit, Delete, Back, Quit };

QImage DrawEditorIcon(TEditorIcon icon, int size);
void ShowEditorIcon(TImage& image, TEditorIcon icon);
// Index 0 not a regular, 1 regular starter, 2 unused, 3 star, 4 no star (16 x 16).
void FillSquadMarks(TImageList& list);

}  // namespace tarvelon
