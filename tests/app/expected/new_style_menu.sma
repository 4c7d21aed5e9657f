#include <amxmodx>
#include <amxmisc>

#define PLUGIN "New Plug-In"
#define VERSION "1.0"
#define AUTHOR "author"

public plugin_init() {

       register_clcmd("mymenu", "cmdMenu", ADMIN_ALL);
       register_plugin(PLUGIN, VERSION, AUTHOR);
}

public cmdMenu(id, level, cid) {
       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;
       new i_Menu = menu_create("My Menu", "menu_handler");
       menu_additem(i_Menu, "Kick", "1", 0);
       menu_additem(i_Menu, "Ban", "2", 0);
       menu_additem(i_Menu, "Exit", "3", 0);
       menu_setprop(i_Menu, MPROP_NEXTNAME, "Далее");
       menu_setprop(i_Menu, MPROP_BACKNAME, "Назад");
       menu_setprop(i_Menu, MPROP_EXITNAME, "Выход");

       menu_display(id, i_Menu, 0)
       return PLUGIN_HANDLED;
}

public menu_handler(id, menu, item) {
       if( item < 0 ) {
              menu_destroy(menu);
              return PLUGIN_HANDLED;
       }
       new cmd[3], access, callback;
       menu_item_getinfo(menu, item, access, cmd,2,_,_, callback);
       new Choise = str_to_num(cmd)
       switch (Choise) {
       case 1: {
       }
       case 2: {
       }
       case 3: {
       }
       }
       menu_destroy(menu);
       return PLUGIN_HANDLED;
}
