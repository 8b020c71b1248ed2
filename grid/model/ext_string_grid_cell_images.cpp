// TExtStringGrid: the pictures a cell shows - images of the grid's image list (one by index, one
// by the cell's value, or a row or column of several), pictures held by the cell and pictures
// read from their files - each in the place the graphic layout gave it.
#include "grid/foundation/file_picture.h"
#include "grid/foundation/int_list.h"
#include "grid/model/ext_string_grid.h"
#include "platform/graphics/graphic.h"
#include "platform/graphics/image_list.h"

namespace gw {

void TExtStringGrid::DrawImageGraphic(TCanvas& ACanvas, const TCellGraphic& G, Integer RealCol, Integer ARow,
                                      const TRect& At)
{
    const TCustomImageList* list = GetCellImageList(RealCol, ARow);
    switch (G.CellType) {
    case ctImageList:
        if (list) list->Draw(&ACanvas, At.Left, At.Top, G.CellIndex, true);
        break;
    case ctDataImage:
        // The cell's value picks the image; a value past the list draws nothing.
        if (list) {
            const Integer index = PaintedInt(RealCol, ARow) + G.CellIndex;
            if (index >= 0 && index < list->Count()) list->Draw(&ACanvas, At.Left, At.Top, index, true);
        }
        break;
    case ctImages:
        if (list && G.IntList()) {
            const TIntList& images = *G.IntList();
            for (Integer i = 0; i < images.Count(); ++i) {
                const Integer x = G.CellBoolean ? At.Left + i * list->Width() : At.Left;
                const Integer y = G.CellBoolean ? At.Top : At.Top + i * list->Height();
                list->Draw(&ACanvas, x, y, images.GetInteger(i), true);
            }
        }
        break;
    case ctPicture:
        if (TPicture* picture = G.Picture(); picture && picture->Graphic()) {
            if (G.CellAngle != 0)
                ACanvas.StretchDraw(At, picture->Graphic());
            else
                ACanvas.Draw(At.Left, At.Top, picture->Graphic());
        }
        break;
    case ctFilePicture:
        if (const TFilePicture* picture = G.FilePicture()) picture->DrawPicture(ACanvas, At);
        break;
    default: break;
    }
}

}  // namespace gw
