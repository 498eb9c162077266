// Checks of the run settings that more than one source of a setting shares:
// the command line and the label files both set the channel count.
#include "core/settings.h"

#include "core/stop.h"

void check_channel_count(int channels) {
  if (channels < 1) stop_with(1, "can not handle %d channels\n", channels);
  if (channels > BUFSIZE)
    stop_with(1, "Sorry, can not do multi channel,  BUFSIZE = %d, leaves rest of %d\n", BUFSIZE,
              BUFSIZE % channels);
}
