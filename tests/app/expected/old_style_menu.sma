#include <amxmodx>
#include <amxmisc>

#define PLUGIN "New Plug-In"
#define VERSION "1.0"
#define AUTHOR "author"
#define KEYS (1 << 0)|(1 << 1)|(1 << 9)

public plugin_init() {

       register_plugin(PLUGIN, VERSION, AUTHOR);
       register_clcmd("mymenu", "cmdMenu", ADMIN_ALL);
       register_menucmd(register_menuid("My Menu"), KEYS, "MenuPressed");
}

public cmdMenu(id, level, cid) {
       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;
       show_menu(id, KEYS, "\w1. Kick^n\y2. Ban^n\r0. Exit^n", -1, "My Menu");
       return PLUGIN_HANDLED;
}

public MenuPressed(id, key) {
       switch (key) {
       case 0: {
       }
       case 1: {
       }
       case 9: {
       }
       }
       return PLUGIN_HANDLED;
}
