#pragma once

// Tells the desktop which program this is: the names that the program is known by,
// the desktop entry that its windows belong to (and so the entry's icon in task
// switchers), and the icon of its windows, the program's own icon picture.
void presentToDesktop();
