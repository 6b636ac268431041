#pragma once
// Pictures the matchday screens put into their images: the art kit's (event icons) and crests.
#include <initializer_list>
#include <string>

namespace tarvelon {

class TComponent;
class TControl;
class TGDIPPictureContainer;
class TImage;
class TPictureContainer;

// The art kit's picture of that name, or an empty image for an unknown name.
void ShowArtPicture(TImage* image, const std::string& name);
// A picture container holding the event icons by name ("i_gol" .. "i_sub"), for rich texts that
// show them with <IMG src="i_gol">.
TPictureContainer* NewEventIconContainer(TComponent* owner);
// The same icons for the drawn smooth panels.
TGDIPPictureContainer* NewEventIconGdipContainer(TComponent* owner);
// A club's crest (mini: the 18 x 18 one); empty when the club has none on disk.
void ShowClubCrest(TImage* image, int club, bool mini);
// The two sides' headers of a match screen (name, background, crest of the home side, then of the
// away side): the side shown loses the hand pointer, the other side's offers it for a click.
void PointAtTheOtherSide(int shownSide, std::initializer_list<TControl*> home, std::initializer_list<TControl*> away);

}  // namespace tarvelon
