#pragma once
// Pictures the matchday screens put into their images: the art kit's (event icons) and crests.
#include <string>

namespace tarvelon {

class TComponent;
class TImage;
class TPictureContainer;

// The art kit's picture of that name, or an empty image for an unknown name.
void ShowArtPicture(TImage* image, const std::string& name);
// A picture container holding the event icons by name ("i_gol" .. "i_sub"), for rich texts that
// show them with <IMG src="i_gol">.
TPictureContainer* NewEventIconContainer(TComponent* owner);
// A club's crest (mini: the 18 x 18 one); empty when the club has none on disk.
void ShowClubCrest(TImage* image, int club, bool mini);

}  // namespace tarvelon
