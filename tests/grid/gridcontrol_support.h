#pragma once
// A form with a clubs table as the game's screens fill it: name, crest, points, form bar and the
// hidden "id" column, filled by column name between BeginUpdate and EndUpdate.
#include <gtest/gtest.h>

#include <QImage>
#include <string>
#include <vector>

#include "grid/dg_column_classes.h"
#include "grid/dg_grid.h"
#include "platform/forms/form.h"
#include "platform/stdctrls/image_list_component.h"
#include "tests/platform/forms_test_support.h"

namespace tarvelon::test {

struct ClubRow {
    const char* name;
    int crest;
    int points;
    double form;
    int id;
};

// Invented clubs.
inline const std::vector<ClubRow>& Clubs()
{
    static const std::vector<ClubRow> clubs = {
        {"Atlético Vale Verde", 0, 41, 80, 11},   {"Serra Azul FC", 1, 38, 65, 12},
        {"Porto Manso", 2, 35, 50, 13},           {"União Ribeira", 0, 33, 45, 14},
        {"Estrela do Cerrado", 1, 30, 30, 15},    {"Boa Brisa EC", 2, 28, 25, 16},
        {"Cruzeiro da Lagoa", 0, 25, 60, 17},     {"Real Pedra Lisa", 1, 22, 10, 18},
        {"Ferroviário Campo Alto", 2, 20, 95, 19}, {"Operário das Dunas", 0, 18, 5, 20},
        {"Bandeirante Sul", 1, 15, 40, 21},       {"Juventude Marajá", 2, 12, 0, 22},
    };
    return clubs;
}

inline unsigned Rgb(TColor color)
{
    TColor c = ColorToRGB(color);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

class GridFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        form = new TForm(nullptr);
        form->SetBounds(100, 100, 460, 300);
        images = new TCustomImageList(form);
        for (TColor crestColor : {clRed, clBlue, clGreen}) {
            QImage crest(16, 16, QImage::Format_ARGB32);
            crest.fill(ToQColor(crestColor));
            images->AddImage(crest);
        }
        grid = new TDataGrid(form);
        grid->SetName("ClubsGrid");
        grid->SetParent(form);
        grid->SetBounds(10, 10, 420, 230);
        // The input tests send the mouse in client coordinates: no edge around the client area
        // (the edge has a test of its own).
        grid->SetBorderStyle(bsNone);
        grid->SetOptions(TGridOptions{goHeader, goSelectFullRow});
        grid->SetRowSize(18);
        name = AddColumn<TDgTextColumn>("name", "Clube", 150);
        name->SetOptions(name->Options() + TColumnOptions{coSearchColumn});
        crest = AddColumn<TDgImageColumn>("crest", "", 24);
        crest->SetImages(images);
        points = AddColumn<TDgNumberColumn>("pts", "Pts", 50);
        progress = AddColumn<TDgProgressColumn>("form", "Forma", 100);
        id = AddColumn<TDgNumberColumn>("id", "id", 40);
        id->SetVisible(false);
        Fill(Clubs());
        form->Show();
        Pump(10);
    }

    void TearDown() override { Free(form); }

    template <typename T>
    T* AddColumn(const std::string& columnName, const std::string& caption, int width)
    {
        auto* column = new T(form);
        column->SetName(columnName);
        column->Header().SetCaption(caption);
        grid->Columns().Add(column);
        column->SetWidth(width);
        return column;
    }

    void Fill(const std::vector<ClubRow>& rows)
    {
        grid->BeginUpdate();
        grid->ClearRows();
        for (const ClubRow& row : rows) {
            grid->AddRow();
            int last = grid->RowCount() - 1;
            grid->SetCellTextByName("name", last, row.name);
            grid->SetCellTextByName("crest", last, std::to_string(row.crest));
            grid->SetCellTextByName("pts", last, std::to_string(row.points));
            grid->SetCellTextByName("form", last, std::to_string(static_cast<int>(row.form)));
            grid->SetCellTextByName("id", last, std::to_string(row.id));
        }
        grid->EndUpdate();
    }

    QWidget* W() { return grid->Widget(); }
    // Paints what is pending and reads one pixel of the grid's picture.
    unsigned Pixel(int x, int y)
    {
        grid->Update();
        return grid->BackingImage().pixel(x, y) & 0xFFFFFFu;
    }
    int RowMiddle(int row) { return grid->RowTop(row) + grid->GetRowHeight(row) / 2; }
    int ColumnMiddle(TDgCustomColumn* column) { return grid->ColumnScreenLeft(column) + column->Width() / 2; }

    void Click(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        SendMouse(W(), QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, modifiers);
        SendMouse(W(), QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton, modifiers);
        Pump();
    }
    void ClickCell(TDgCustomColumn* column, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Click(QPoint(ColumnMiddle(column), RowMiddle(row)), modifiers);
    }
    void ClickHeader(TDgCustomColumn* column) { Click(QPoint(ColumnMiddle(column), 9)); }
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, const QString& text = QString())
    {
        PressKey(W(), key, modifiers, text);
        Pump();
    }
    std::string NameAt(int row) { return grid->GetCellTextByName("name", row); }

    TForm* form = nullptr;
    TCustomImageList* images = nullptr;
    TDataGrid* grid = nullptr;
    TDgTextColumn* name = nullptr;
    TDgImageColumn* crest = nullptr;
    TDgNumberColumn* points = nullptr;
    TDgProgressColumn* progress = nullptr;
    TDgNumberColumn* id = nullptr;
};

}  // namespace tarvelon::test
