#pragma once

#include "settings/SettingDef.h"

#include <array>
#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string_view>

namespace golv {

// One control whose caption a language key sets. An empty control name stands
// for the window's own title.
struct CaptionEntry {
    std::string_view key; // lower case, as language files spell it
    Window window;
    std::string_view control;
    std::string_view builtIn; // the caption the control shows without a language file
};

inline constexpr std::string_view kWindowTitle = "";

namespace detail::captions {

// Every caption of every window that a language file can replace, one line a
// control, in the order language files list the keys. A key that sets several
// controls has a line for each, in the order it sets them; "defaults" also
// names the physics window's apply button, whose own caption is "apply". The
// windows take their built-in captions from here, so what a language file
// replaces is always what the window showed. The enemy labels are addressed
// by index whatever they show: the key "skeleton" sets Label1(1), "Baddy 1:".
// "exportpatch" and "readexecutable" are GOLV's own: the main window's
// buttons beside "modify".
// A line whose control is its key is no control's caption but a text of
// GOLV's own that the window shows or readers hear: a name or description,
// a line of help, the words of the find and language commands. Words that
// several windows use stand with the main window.
consteval std::array<CaptionEntry, 411> entries()
{
    using enum Window;
    // clang-format off
    return {{
        {"defaults",                          Form1,       "Command9",    "defaults"},
        {"defaults",                          CustWeapons, "Command2",    "defaults"},
        {"defaults",                          CustPhys,    "Command2",    "defaults"},
        {"defaults",                          CustLite,    "Command2",    "defaults"},
        {"defaults",                          CustOxmaHP,  "Command2",    "defaults"},
        {"defaults",                          CustInv,     "Command2",    "defaults"},
        {"defaults",                          CustGfx,     "Command2",    "defaults"},
        {"defaults",                          CustGfx2,    "Command2",    "defaults"},
        {"defaults",                          CustFonts,   "Command2",    "defaults"},
        {"defaults",                          CustEnemy,   "Command2",    "defaults"},
        {"defaults",                          CustBars,    "Command2",    "defaults"},
        {"defaults",                          CustPhys,    "Command3",    "apply"},
        {"apply",                             CustBars,    "Command1",    "apply"},
        {"apply",                             CustEnemy,   "Command1",    "apply"},
        {"apply",                             CustFonts,   "Command1",    "apply"},
        {"apply",                             CustGfx,     "Command1",    "apply"},
        {"apply",                             CustGfx2,    "Command1",    "apply"},
        {"apply",                             CustInv,     "Command1",    "apply"},
        {"apply",                             CustOxmaHP,  "Command1",    "apply"},
        {"apply",                             CustLite,    "Command1",    "apply"},
        {"apply",                             CustWeapons, "Command1",    "apply"},
        {"misc",                              CustBars,    "Label79",     "misc"},
        {"misc",                              CustGfx,     "Label29",     "misc"},
        {"misc",                              CustInv,     "Label12",     "misc"},
        {"misc",                              CustPhys,    "Label4",      "misc"},
        {"misc",                              CustWeapons, "Label26",     "misc"},
        {"maincolour",                        CustBars,    "Label21",     "main colour:"},
        {"maincolour",                        CustBars,    "Label2",      "main colour:"},
        {"maincolour",                        CustBars,    "Label13",     "main colour:"},
        {"maincolour",                        CustBars,    "Label44",     "main colour:"},
        {"maincolour",                        CustBars,    "Label50",     "main colour:"},
        {"maincolour",                        CustBars,    "Label63",     "main colour:"},
        {"maincolour",                        CustFonts,   "Label21",     "main colour:"},
        {"maincolour",                        CustFonts,   "Label2",      "main colour:"},
        {"maincolour",                        CustFonts,   "Label11",     "main colour:"},
        {"maincolour",                        CustFonts,   "Label38",     "main colour:"},
        {"fadecolour",                        CustBars,    "Label29",     "fade colour:"},
        {"fadecolour",                        CustBars,    "Label9",      "fade colour:"},
        {"fadecolour",                        CustBars,    "Label20",     "fade colour:"},
        {"fadecolour",                        CustBars,    "Label37",     "fade colour:"},
        {"fadecolour",                        CustBars,    "Label57",     "fade colour:"},
        {"fadecolour",                        CustBars,    "Label70",     "fade colour:"},
        {"fadecolour",                        CustFonts,   "Label29",     "fade colour:"},
        {"fadecolour",                        CustFonts,   "Label9",      "fade colour:"},
        {"fadecolour",                        CustFonts,   "Label18",     "fade colour:"},
        {"fadecolour",                        CustFonts,   "Label31",     "fade colour:"},
        {"colours",                           CustLite,    "Label4",      "colours"},
        {"colours",                           CustGfx,     "Label23",     "colours"},
        {"languagelabel",                     Form1,       "Label14",     "EN"},
        {"mainwindowtitle",                   Form1,       "",            "GOLV v. 0.67 alpha RC3"},
        {"graphicsettingstitle",              Form1,       "Label7",      "graphic settings"},
        {"drawingdistancerange",              Form1,       "Label2",      "Drawing Distance range:"},
        {"distantfogrange",                   Form1,       "Label3",      "Distant Fog range:"},
        {"dfrangecannotbemoreddrangewarning", Form1,       "Label4",      "DF range cannot be more than DD range"},
        {"ddpresets",                         Form1,       "Label5",      "DD presets:"},
        {"ddhellpreset",                      Form1,       "Command4",    "hell!"},
        {"dddefaultpreset",                   Form1,       "Command2",    "default"},
        {"ddnottoofarpreset",                 Form1,       "Command5",    "not too far"},
        {"ddfarpreset",                       Form1,       "Command6",    "far"},
        {"ddveryfarpreset",                   Form1,       "Command7",    "very far"},
        {"turnoffdistancelimitcompletely",    Form1,       "Check1",      "Turn off distance limit completely (experimental)"},
        {"turnoffdistantfogcompletely",       Form1,       "Check2",      "Turn off distant fog completely (only for Vol.FX=ON)"},
        {"removelooktransparency",            Form1,       "Check3",      "Remove look transparency"},
        {"disableflareblinkingeffect",        Form1,       "Check8",      "Disable flare blinking effect"},
        {"disableenemydisappearance",         Form1,       "Label11",     "Disable enemy disappearance:"},
        {"land",                              Form1,       "Check4",      "Land"},
        {"water",                             Form1,       "Check6",      "Water"},
        {"barsbutton",                        Form1,       "Command11",   "bars..."},
        {"fontsbutton",                       Form1,       "Command21",   "font \\ text..."},
        {"gfx1button",                        Form1,       "Command14",   "GFX 1..."},
        {"gfx2button",                        Form1,       "Command18",   "GFX 2..."},
        {"lightsbutton",                      Form1,       "Command13",   "customize lights..."},
        {"miscellaneousoptionstitle",         Form1,       "Label8",      "miscellaneous options"},
        {"overallsfxsamplerate",              Form1,       "Label9",      "Overall SFX sample rate:"},
        {"oxmabeinghitsoundid",               Form1,       "Label1",      "[oxma being hit] sound ID:"},
        {"noammosoundid",                     Form1,       "Label12",     "[no ammo] sound ID:"},
        {"removesound",                       Form1,       "Check5",      "remove sound"},
        {"removesound",                       Form1,       "Check7",      "remove sound"},
        {"freecamera",                        Form1,       "Label10",     "Free camera:"},
        {"lock",                              Form1,       "Check10",     "Lock"},
        {"stick",                             Form1,       "Check9",      "Stick"},
        {"forcepigtail",                      Form1,       "Label13",     "Force pigtail:"},
        {"intact",                            Form1,       "Option1(0)",  "Intact"},
        {"fixholstersbug",                    Form1,       "Check12",     "Fix holsters bug"},
        {"fe4041save",                        Form1,       "Check13",     "FE 40/41 save"},
        {"disablehanggamethreadonlostfocus",  Form1,       "Check14",     "Disable ''Hang game thread'' on lost focus (debug option)"},
        {"enemyhp",                           Form1,       "Command19",   "enemy HP..."},
        {"physics",                           Form1,       "Command15",   "physics..."},
        {"inventory",                         Form1,       "Command17",   "inventory..."},
        {"weapons",                           Form1,       "Command20",   "weapons..."},
        {"damage\\hp",                        Form1,       "Command10",   "damage \\ HP..."},
        {"about",                             Form1,       "Command8",    "about..."},
        {"loadpreset",                        Form1,       "Command12",   "load preset"},
        {"savepreset",                        Form1,       "Command16",   "save preset"},
        {"modify",                            Form1,       "Command3",    "modify"},
        {"readexecutable",                    Form1,       "Command26",   "read executable"},
        {"exportpatch",                       Form1,       "Command22",   "export patch..."},
        {"restoreoriginal",                   Form1,       "Command23",   "restore original"},
        {"quit",                              Form1,       "Command1",    "quit"},
        {"findbutton",                        Form1,       "Command24",   "find..."},
        {"languagebutton",                    Form1,       "Command25",   "language..."},
        {"windowpicture",                     Form1,       "windowpicture", "GOLV"},
        {"value",                             Form1,       "value",       "value"},
        {"red",                               Form1,       "red",         "red"},
        {"green",                             Form1,       "green",       "green"},
        {"blue",                              Form1,       "blue",        "blue"},
        {"swatch",                            Form1,       "swatch",      "swatch"},
        {"choosecolour",                      Form1,       "choosecolour", "F4 or Alt+Down: choose the colour"},
        {"indecimal",                         Form1,       "indecimal",   "in decimal"},
        {"help",                              Form1,       "help",        "help"},
        {"applydescription",                  Form1,       "applydescription", "closes the window; its settings stay as they are"},
        {"defaultsdescription",               Form1,       "defaultsdescription", "puts the settings of this window back to their defaults"},
        {"findtitle",                         Form1,       "findtitle",   "Find a setting"},
        {"findlabel",                         Form1,       "findlabel",   "Setting, key or window:"},
        {"findresults",                       Form1,       "findresults", "matching settings"},
        {"findnone",                          Form1,       "findnone",    "No setting matches."},
        {"languagetitle",                     Form1,       "languagetitle", "Language"},
        {"languagelist",                      Form1,       "languagelist", "languages"},
        {"languagename",                      Form1,       "languagename", "English"},
        {"builtinlanguage",                   Form1,       "builtinlanguage", "built in"},
        {"languagenotkept",                   Form1,       "languagenotkept", "The language could not be kept in golv.cfg."},
        {"changesexecutable",                 Form1,       "changesexecutable", "changes the executable"},
        {"changingsettings",                  Form1,       "changingsettings", "settings that change the executable:"},
        {"bcwindowtitle",                     CustBars,    "",            "Bar customizer"},
        {"healthbar",                         CustBars,    "Label22",     "health bar"},
        {"airbar",                            CustBars,    "Label1",      "air bar"},
        {"sprintbar",                         CustBars,    "Label12",     "sprint bar"},
        {"loadingbar",                        CustBars,    "Label34",     "loading bar"},
        {"soundvolumebar",                    CustBars,    "Label49",     "sound volume bar"},
        {"musicvolumebar",                    CustBars,    "Label62",     "music volume bar"},
        {"poisoned",                          CustBars,    "Label48",     "poisoned:"},
        {"width",                             CustBars,    "Label30",     "width:"},
        {"width",                             CustBars,    "Label10",     "width:"},
        {"width",                             CustBars,    "Label32",     "width:"},
        {"width",                             CustBars,    "Label36",     "width:"},
        {"height",                            CustBars,    "Label31",     "height:"},
        {"height",                            CustBars,    "Label11",     "height:"},
        {"height",                            CustBars,    "Label33",     "height:"},
        {"height",                            CustBars,    "Label35",     "height:"},
        {"animated",                          CustBars,    "Check5",      "animated"},
        {"animated",                          CustBars,    "Check6",      "animated"},
        {"animated",                          CustBars,    "Check7",      "animated"},
        {"hide",                              CustBars,    "Check1",      "hide"},
        {"hide",                              CustBars,    "Check2",      "hide"},
        {"hide",                              CustBars,    "Check3",      "hide"},
        {"hide",                              CustBars,    "Check4",      "hide"},
        {"abo",                               CustBars,    "Label61",     "ABO:"},
        {"abo",                               CustBars,    "Label74",     "ABO:"},
        {"pbo",                               CustBars,    "Label85",     "PBO:"},
        {"abohelp",                           CustBars,    "abohelp",     "ABO = Active Bar Overlay"},
        {"pbohelp",                           CustBars,    "pbohelp",     "PBO = Passive Bar Overlay (for option bars only)"},
        {"fcwindowtitle",                     CustFonts,   "",            "Text customizer"},
        {"mainfont",                          CustFonts,   "Label22(0)",  "main font"},
        {"optiontitlefont",                   CustFonts,   "Label1",      "option title font"},
        {"inventorytitlefont",                CustFonts,   "Label10",     "inventory title font"},
        {"inventoryitemfont",                 CustFonts,   "Label30",     "inventory item font"},
        {"legenddisplayingtime",              CustFonts,   "Label20",     "Legend displaying time:"},
        {"texteffects",                       CustFonts,   "Label22(1)",  "text effects"},
        {"mainmenunewgame",                   CustFonts,   "Label39(0)",  "Main Menu -> New Game"},
        {"mainmenuloadgame",                  CustFonts,   "Label39(1)",  "Main Menu -> Load Game"},
        {"mainmenuoptions",                   CustFonts,   "Label39(6)",  "Main Menu -> Options"},
        {"mainmenuexit",                      CustFonts,   "Label39(9)",  "Main Menu -> Exit"},
        {"effectnr",                          CustFonts,   "Label39(4)",  "effect #:"},
        {"effectnr",                          CustFonts,   "Label39(2)",  "effect #:"},
        {"effectnr",                          CustFonts,   "Label39(7)",  "effect #:"},
        {"effectnr",                          CustFonts,   "Label39(10)", "effect #:"},
        {"alignto",                           CustFonts,   "Label39(11)", "align to:"},
        {"teststring",                        CustFonts,   "Label19",     "test string"},
        {"testlegend",                        CustFonts,   "testlegend",  "test legend"},
        {"gfxcwindowtitle",                   CustGfx,     "",            "GFX customizer"},
        {"lightning",                         CustGfx,     "Label22",     "lightning"},
        {"colour/rate",                       CustGfx,     "Label5",      "colour/rate:"},
        {"colour2",                           CustGfx,     "Label16",     "colour 2:"},
        {"colour3",                           CustGfx,     "Label2",      "colour 3:"},
        {"corecolour",                        CustGfx,     "Label27",     "core colour:"},
        {"coretransparency",                  CustGfx,     "Label17(22)", "Core transparency:"},
        {"dispersiontime",                    CustGfx,     "Label1",      "Dispersion time:"},
        {"dispersionrange",                   CustGfx,     "Label3",      "Dispersion range:"},
        {"coronasize",                        CustGfx,     "Label9",      "Corona size:"},
        {"smoke",                             CustGfx,     "Label19",     "smoke"},
        {"pistols\\uzissmokedur",             CustGfx,     "Label20",     "Pistols\\uzis smoke dur.:"},
        {"revolversmokedur",                  CustGfx,     "Label21",     "Revolver smoke dur.:"},
        {"gunflashblendcolour",               CustGfx,     "Label18",     "Gunflash blend colour:"},
        {"wallpapersblendcolour",             CustGfx,     "Label24",     "Wallpapers blend colour:"},
        {"fadetop",                           CustGfx,     "Check3",      "fade top"},
        {"fadebottom",                        CustGfx,     "Check2",      "fade bottom"},
        {"sparklesblendcolour",               CustGfx,     "Label12",     "Sparkles blend colour:"},
        {"waterdropscolour",                  CustGfx,     "Label11",     "Waterdrops colour:"},
        {"shadowblendcolour",                 CustGfx,     "Label25",     "Shadow blend colour:"},
        {"shadowtransparency",                CustGfx,     "Label17(15)", "shadow transparency:"},
        {"fadeoutscolour",                    CustGfx,     "Label26",     "Fadeouts colour:"},
        {"waterfallscrollspeed",              CustGfx,     "Label30",     "Waterfall scroll speed:"},
        {"rawskyscrolldirection",             CustGfx,     "Label28",     "Raw sky scroll direction:"},
        {"blood",                             CustGfx,     "Label7",      "blood"},
        {"size",                              CustGfx,     "Label15",     "size:"},
        {"intensity",                         CustGfx,     "Label8",      "intensity:"},
        {"lifetime",                          CustGfx,     "Label10",     "lifetime:"},
        {"spreadfactorx",                     CustGfx,     "Label13",     "spread factor x:"},
        {"spreadfactory",                     CustGfx,     "Label14",     "spread factor y:"},
        {"firstbyte",                         CustGfx,     "firstbyte",   "first byte"},
        {"secondbyte",                        CustGfx,     "secondbyte",  "second byte"},
        {"gfxc2windowtitle",                  CustGfx2,    "",            "GFX customizer 2"},
        {"crossbowboltexplosion",             CustGfx2,    "Label6",      "crossbow bolt explosion"},
        {"fireballspritesize",                CustGfx2,    "Label7",      "Fireball sprite size:"},
        {"fireballduration",                  CustGfx2,    "Label8",      "Fireball duration:"},
        {"fireballdispersion",                CustGfx2,    "Label13",     "Fireball dispersion:"},
        {"blastradius",                       CustGfx2,    "Label10",     "Blast radius:"},
        {"rawblasttimeout",                   CustGfx2,    "Label11",     "Raw blast timeout:"},
        {"rawblastsize",                      CustGfx2,    "Label12",     "Raw blast size:"},
        {"animtextures",                      CustGfx2,    "Label9",      "anim textures"},
        {"framechangeinterval",               CustGfx2,    "Label14",     "Frame change interval:"},
        {"sparkles",                          CustGfx2,    "Label1",      "sparkles"},
        {"amountofsparkles",                  CustGfx2,    "Label3",      "Amount of sparkles:"},
        {"unifyamount",                       CustGfx2,    "Check1",      "Unify for various surfaces"},
        {"sparklefalloffdelay",               CustGfx2,    "Label2",      "Sparkle fall-off delay:"},
        {"addonspriteinitialsize",            CustGfx2,    "Label5",      "Add-on sprite initial size:"},
        {"addonspriteid",                     CustGfx2,    "Label4",      "Add-on sprite ID:"},
        {"flybywidescreenbars",               CustGfx2,    "Label15",     "flyby widescreen bars"},
        {"barsheight",                        CustGfx2,    "Label16",     "Height:"},
        {"barsopeningspeed",                  CustGfx2,    "Label17",     "Opening speed:"},
        {"underwaterdust",                    CustGfx2,    "Label18",     "underwater dust"},
        {"maximumamount",                     CustGfx2,    "Label19",     "Maximum amount:"},
        {"meltspeed",                         CustGfx2,    "Label20",     "Melt speed:"},
        {"fadeouts",                          CustGfx2,    "Label21",     "fadeouts"},
        {"fadeoutsspeed",                     CustGfx2,    "Label23",     "Speed (divider):"},
        {"fadeoutsduration",                  CustGfx2,    "Label22",     "Duration:"},
        {"lcwindowtitle",                     CustLite,    "",            "Light customizer"},
        {"general",                           CustLite,    "Label2",      "general"},
        {"blendintensity",                    CustLite,    "Label10",     "Blend intensity:"},
        {"effectiveareas",                    CustLite,    "Label1",      "effective areas"},
        {"pistoluziflash",                    CustLite,    "Label3(0)",   "Pistol / UZI flash:"},
        {"revolverflash",                     CustLite,    "Label3(2)",   "Revolver flash:"},
        {"shotgunflash",                      CustLite,    "Label3(3)",   "Shotgun flash:"},
        {"flameemitter1",                     CustLite,    "Label3(1)",   "Flame emitter 1:"},
        {"binocularslightrange",              CustLite,    "Label3(4)",   "Binoculars light range:"},
        {"flarecolour",                       CustLite,    "Label5",      "Flare colour:"},
        {"yellow",                            CustLite,    "yellow",      "yellow"},
        {"icwindowtitle",                     CustInv,     "",            "Inventory customizer"},
        {"startupinventory",                  CustInv,     "Label22",     "start-up inventory"},
        {"pistolsonlyininventory",            CustInv,     "Check1(0)",   "Pistols (only in inventory)"},
        {"binoculars",                        CustInv,     "Check1(1)",   "Binoculars"},
        {"crowbar",                           CustInv,     "Check1(2)",   "Crowbar"},
        {"amountofbigmedkits",                CustInv,     "Label1",      "Amount of Big Medkits:"},
        {"amountofsmallmedkits",              CustInv,     "Label3",      "Amount of Small Medkits:"},
        {"amountofflares",                    CustInv,     "Label2",      "Amount of Flares:"},
        {"separatesmallmediflareamount",      CustInv,     "Check2",      "Separate Small Medi / Flare amount"},
        {"disableunlimitedpistolammolabel",   CustInv,     "Check1(4)",   "Disable \"Unlimited\" pistol ammo label"},
        {"replacepistolsitemidwithammoid",    CustInv,     "Check4",      "Replace pistols item ID with ammo ID"},
        {"changestartuppistolammo",           CustInv,     "Check1(3)",   "Change start-up pistol ammo:"},
        {"amountofammo",                      CustInv,     "Label10",     "Amount of ammo:"},
        {"disableshotgun6xdivider",           CustInv,     "Check1(5)",   "Disable shotgun ammo 6x divider"},
        {"healthatstartup",                   CustInv,     "Label5",      "Health at startup:"},
        {"airatstartup",                      CustInv,     "Label9",      "Air at startup:"},
        {"sprintatstartup",                   CustInv,     "Label4",      "Sprint energy at startup:"},
        {"disableingameload",                 CustInv,     "Check5",      "Disable in-game load"},
        {"disableingamesave",                 CustInv,     "Check6",      "Disable in-game save"},
        {"disableinventorykey",               CustInv,     "Check7",      "Disable inventory key"},
        {"disablecompasscheats",              CustInv,     "Check8",      "Disable compass cheats"},
        {"fixcompassdirectionbug",            CustInv,     "Check9",      "Fix compass direction bug"},
        {"overallsecrets",                    CustInv,     "Label15",     "Overall secrets:"},
        {"pickupsquantity",                   CustInv,     "Label7",      "pick-ups quantity"},
        {"pistols/pistolammo",                CustInv,     "Label8(10)",  "Pistols / pistol ammo :"},
        {"shotgunnormalammo",                 CustInv,     "Label8(0)",   "Shotgun normal ammo:"},
        {"shotgunwideshotammo",               CustInv,     "Label11(0)",  "Shotgun wideshot ammo:"},
        {"uziammo",                           CustInv,     "Label11(1)",  "UZI ammo:"},
        {"revolverammo",                      CustInv,     "Label8(1)",   "Revolver ammo:"},
        {"crossbownormalammo",                CustInv,     "Label8(2)",   "Crossbow normal ammo:"},
        {"crossbowpoisonammo",                CustInv,     "Label8(3)",   "Crossbow poison ammo:"},
        {"crossbowexplosiveammo",             CustInv,     "Label8(4)",   "Crossbow expl. ammo:"},
        {"grenadegundefaultammo",             CustInv,     "Label8(9)",   "Grenade gun default ammo:"},
        {"grenadedefaultammo",                CustInv,     "Label8(6)",   "Grenade normal ammo:"},
        {"grenadesuperammo",                  CustInv,     "Label8(7)",   "Grenade super ammo:"},
        {"grenadeflashammo",                  CustInv,     "Label8(8)",   "Grenade flash ammo:"},
        {"flares",                            CustInv,     "Label8(5)",   "Flares:"},
        {"itemeffect",                        CustInv,     "Label13",     "item effect"},
        {"smallmedkiteffect",                 CustInv,     "Label14",     "Small Medkit effect:"},
        {"invertsmallmedkiteffect",           CustInv,     "Check3",      "Invert Small Medkit effect"},
        {"itemrotatespeed",                   CustInv,     "Label6",      "Item rotate speed:"},
        {"ammorotatespeed",                   CustInv,     "Label16",     "Ammo rotate speed:"},
        {"ehcwindowtitle",                    CustEnemy,   "",            "Enemy HP customizer"},
        {"enemyhptitle",                      CustEnemy,   "Label22",     "enemy HP"},
        {"skeleton",                          CustEnemy,   "Label1(1)",   "Baddy 1:"},
        {"baddy1",                            CustEnemy,   "Label1(2)",   "Baddy 2:"},
        {"baddy2",                            CustEnemy,   "Label1(3)",   "Scorpion:"},
        {"scorpion",                          CustEnemy,   "Label1(4)",   "Mummy:"},
        {"mummy",                             CustEnemy,   "Label1(5)",   "Knight Templar:"},
        {"knighttemplar",                     CustEnemy,   "Label1(6)",   "Sphinx:"},
        {"sphinx",                            CustEnemy,   "Label1(7)",   "Set:"},
        {"set",                               CustEnemy,   "Label1(8)",   "Horsemen:"},
        {"horsemen",                          CustEnemy,   "Label1(9)",   "Hammerhead:"},
        {"hammerhead",                        CustEnemy,   "Label1(10)",  "Crocodile:"},
        {"crocodile",                         CustEnemy,   "Label1(11)",  "Demigod 1:"},
        {"mutant",                            CustEnemy,   "Label1(0)",   "Mutant:"},
        {"demigod1",                          CustEnemy,   "Label1(12)",  "Demigod 2:"},
        {"demigod2",                          CustEnemy,   "Label1(13)",  "Demigod 3:"},
        {"demigod3",                          CustEnemy,   "Label1(14)",  "Troops:"},
        {"troops",                            CustEnemy,   "Label1(15)",  "SAS:"},
        {"sas",                               CustEnemy,   "Label1(16)",  "Harpy:"},
        {"harpy",                             CustEnemy,   "Label1(17)",  "Wild Boar:"},
        {"wildboar",                          CustEnemy,   "Label1(18)",  "Dog:"},
        {"dog",                               CustEnemy,   "Label1(19)",  "Ahmet:"},
        {"ahmet",                             CustEnemy,   "Label1(20)",  "Baboon:"},
        {"baboon",                            CustEnemy,   "Label1(21)",  "Bat:"},
        {"bat",                               CustEnemy,   "Label1(22)",  "Big Beetle:"},
        {"bigbeetle",                         CustEnemy,   "Label1(23)",  "Skeleton:"},
        {"smallscorpion",                     CustEnemy,   "Label1(24)",  "Small Scorpion:"},
        {"enablesshpchange",                  CustEnemy,   "Check1",      "Enable SS HP change"},
        {"sshelp1",                           CustEnemy,   "sshelp1",     "To change Small Scorpion HP, you must enable far jump patch, which will modify level loading code a bit."},
        {"sshelp2",                           CustEnemy,   "sshelp2",     "To enable far jump patch, turn on ''Enable SS HP change'' option."},
        {"setpicture",                        CustEnemy,   "setpicture",  "picture of Set"},
        {"pcwindowtitle",                     CustPhys,    "",            "Physics customizer"},
        {"speeds",                            CustPhys,    "Label2",      "speeds"},
        {"shellcasinggravity",                CustPhys,    "Label5",      "Shell casing gravity:"},
        {"donotexplodemotorbikeinwater",      CustPhys,    "Check1",      "Do not explode motorbike in water"},
        {"donotexplodejeepinwater",           CustPhys,    "Check2",      "Do not explode jeep in water"},
        {"disableledgegrabclimbdelay",        CustPhys,    "Check3",      "Disable ledge grab-climb delay"},
        {"onground",                          CustPhys,    "onground",    "on ground"},
        {"inair",                             CustPhys,    "inair",       "in the air"},
        {"swimming",                          CustPhys,    "swimming",    "swimming"},
        {"turnleftonground",                  CustPhys,    "turnleftonground", "turn left on ground"},
        {"turnrightonground",                 CustPhys,    "turnrightonground", "turn right on ground"},
        {"turnleftbackwards",                 CustPhys,    "turnleftbackwards", "turn left backwards on ground"},
        {"turnrightbackwards",                CustPhys,    "turnrightbackwards", "turn right backwards on ground"},
        {"turnleftinair",                     CustPhys,    "turnleftinair", "turn left in the air"},
        {"turnrightinair",                    CustPhys,    "turnrightinair", "turn right in the air"},
        {"swimmingspeed",                     CustPhys,    "swimmingspeed", "swimming speed"},
        {"turnleftswimming",                  CustPhys,    "turnleftswimming", "turn left swimming"},
        {"turnrightswimming",                 CustPhys,    "turnrightswimming", "turn right swimming"},
        {"goto",                              CustPhys,    "goto",        "go to"},
        {"hdcwindowtitle",                    CustOxmaHP,  "",            "HP \\ Damage customizer"},
        {"limits",                            CustOxmaHP,  "Label2",      "limits"},
        {"maxhpbarvalue",                     CustOxmaHP,  "Label1",      "Max. HP bar value:"},
        {"rawhpbarrange",                     CustOxmaHP,  "Label5",      "Raw HP bar range:"},
        {"divider",                           CustOxmaHP,  "Label4",      "Divider:"},
        {"recalculatehpbarrange",             CustOxmaHP,  "Command3",    "recalculate HP bar range"},
        {"medkitshplimiter",                  CustOxmaHP,  "Label3",      "Medkits HP limiter:"},
        {"normalcriticalthreshold",           CustOxmaHP,  "Label6",      "Norm.-crit. threshold:"},
        {"hpdrain",                           CustOxmaHP,  "Label7",      "HP drain"},
        {"noairdrain",                        CustOxmaHP,  "Label8",      "No air:"},
        {"onfiredrain",                       CustOxmaHP,  "Label9",      "On fire:"},
        {"inspikesdrain",                     CustOxmaHP,  "Label11",     "In spikes:"},
        {"insteamdrain",                      CustOxmaHP,  "Label10",     "In steam:"},
        {"indartsdrain",                      CustOxmaHP,  "Label31",     "In darts:"},
        {"enemydamagebehaviour",              CustOxmaHP,  "Label12",     "enemy damage / behaviour"},
        {"baddyuzidmg",                       CustOxmaHP,  "Label13",     "Baddy UZI:"},
        {"sasmachinegundmg",                  CustOxmaHP,  "Label29",     "SAS Machinegun:"},
        {"turretdmg",                         CustOxmaHP,  "Label32",     "Turret:"},
        {"batdmg",                            CustOxmaHP,  "Label15",     "Bat:"},
        {"crocodileuwdmg",                    CustOxmaHP,  "Label19",     "Crocodile UW:"},
        {"crocodilelanddmg",                  CustOxmaHP,  "Label33",     "Crocodile LAND:"},
        {"locustdmg",                         CustOxmaHP,  "Label17",     "Locust:"},
        {"mummydmg",                          CustOxmaHP,  "Label21",     "Mummy:"},
        {"baddysworddmg",                     CustOxmaHP,  "Label16",     "Baddy sword:"},
        {"smallscorpiondmg",                  CustOxmaHP,  "Label14",     "Small Scorpion:"},
        {"dogdmg",                            CustOxmaHP,  "Label26",     "Dog:"},
        {"skeletonattack1dmg",                CustOxmaHP,  "Label22",     "Skeleton att. 1:"},
        {"skeletonattack2dmg",                CustOxmaHP,  "Label23",     "Skeleton att. 2:"},
        {"wildboardmg",                       CustOxmaHP,  "Label37",     "Wild Boar:"},
        {"harpydmg",                          CustOxmaHP,  "Label20",     "Harpy:"},
        {"scorpiondmg",                       CustOxmaHP,  "Label25",     "Scorpion:"},
        {"hammerheaddmg",                     CustOxmaHP,  "Label35",     "Hammerhead:"},
        {"knighttemplardmg",                  CustOxmaHP,  "Label27",     "Knight Templar:"},
        {"bigbeetledmg",                      CustOxmaHP,  "Label36",     "Big Beetle:"},
        {"sphinxdmg",                         CustOxmaHP,  "Label28",     "Sphinx:"},
        {"setattack1dmg",                     CustOxmaHP,  "Label34",     "Set attack (?) 1:"},
        {"setattack2dmg",                     CustOxmaHP,  "Label30",     "Set attack 2:"},
        {"littlebeetledisp",                  CustOxmaHP,  "Label18",     "Little beetle (dispersion):"},
        {"magicattackdivider",                CustOxmaHP,  "Label24",     "Magic attack (divider):"},
        {"brownhelp",                         CustOxmaHP,  "brownhelp",   "BROWN text - only POSITIVE values possible."},
        {"bluehelp",                          CustOxmaHP,  "bluehelp",    "BLUE text - NEGATIVE values possible also."},
        {"rangeoutofdate",                    CustOxmaHP,  "rangeoutofdate", "The HP bar range is out of date: recalculate it."},
        {"wcwindowtitle",                     CustWeapons, "",            "Weapon customizer"},
        {"complexweaponmodifiers",            CustWeapons, "Label22",     "complex weapon modifiers"},
        {"damage",                            CustWeapons, "Label15",     "damage"},
        {"rate",                              CustWeapons, "Label17",     "rate"},
        {"dispersion",                        CustWeapons, "Label18",     "dispersion"},
        {"flashdur",                          CustWeapons, "Label16",     "flash dur."},
        {"pistols",                           CustWeapons, "Label12",     "pistols:"},
        {"uzis",                              CustWeapons, "Label13",     "uzis:"},
        {"revolver",                          CustWeapons, "Label14",     "revolver:"},
        {"shotgun",                           CustWeapons, "Label20",     "shotgun:"},
        {"preview",                           CustWeapons, "Label19",     "preview"},
        {"gunflash",                          CustWeapons, "Label25",     "gunflash"},
        {"turnongunflashmeshforshotgun",      CustWeapons, "Check2",      "Turn on gunflash mesh for shotgun"},
        {"xposition",                         CustWeapons, "Label27",     "X position:"},
        {"yposition",                         CustWeapons, "Label28",     "Y position:"},
        {"shotgunsmokepuffyposition",         CustWeapons, "Label29",     "Shotgun smoke puff Y position:"},
        {"shotgunshotamount",                 CustWeapons, "Label5",      "Shotgun shot amount:"},
        {"explosiveweaponsdamage",            CustWeapons, "Label1",      "Explosive weapons damage:"},
        {"grenadetimer",                      CustWeapons, "Label24",     "Grenade timer (1/24 sec):"},
        {"misc2",                             CustWeapons, "Label7",      "misc 2"},
        {"crossbowboltflyspeed",              CustWeapons, "Label6",      "Crossbow bolt fly speed:"},
        {"crossbownormaldamage",              CustWeapons, "Label4",      "Crossbow normal damage:"},
        {"crossbowpoisondamage",              CustWeapons, "Label3",      "Crossbow poison damage:"},
        {"crossbowammoflags",                 CustWeapons, "Label2",      "Crossbow ammo flags:"},
        {"grenadeammoflags",                  CustWeapons, "Label35",     "Grenade ammo flags:"},
        {"enable",                            CustWeapons, "Check1",      "Enable"},
        {"startpreview",                      CustWeapons, "startpreview", "start preview"},
        {"stoppreview",                       CustWeapons, "stoppreview", "stop preview"},
        {"weaponpicture",                     CustWeapons, "weaponpicture", "weapon"},
        {"gunflashpicture",                   CustWeapons, "gunflashpicture", "gunflash shown over the weapon"},
        {"normalammo",                        CustWeapons, "normalammo",  "Normal Ammo"},
        {"poisonammo",                        CustWeapons, "poisonammo",  "Poison Ammo"},
        {"explosiveammo",                     CustWeapons, "explosiveammo", "Explosive Ammo"},
        {"superammo",                         CustWeapons, "superammo",   "Super Ammo"},
        {"flashammo",                         CustWeapons, "flashammo",   "Flash Ammo"},
        {"ultraammo",                         CustWeapons, "ultraammo",   "Ultra Ammo (One-Touch Grenade)"},
        {"fragammo",                          CustWeapons, "fragammo",    "Frag Ammo"},
        {"awindowtitle",                      Form2,       "",            "About GOLV"},
        {"close",                             Form2,       "Command3",    "close"},
        {"logo",                              Form2,       "logo",        "GOLV logo"},
    }};
    // clang-format on
}

} // namespace detail::captions

inline constexpr std::array<CaptionEntry, 411> kCaptions = detail::captions::entries();

// The fonts window's alignment captions and the keys that replace them. The
// third built-in caption is spelt "rite", while the list says "right" until a
// language file is read; the menu patch goes by position, so neither matters.
inline constexpr std::array<std::string_view, 3> kAlignmentKeys = {"alignleft", "aligncenter", "alignright"};
inline constexpr std::array<std::string_view, 3> kBuiltInAlignmentCaptions = {"left", "center", "rite"};

// Whether an entry is a text of the window's own rather than a control's caption.
constexpr bool isOwnText(const CaptionEntry& entry) { return entry.control == entry.key; }

// The built-in caption of a control, or of a window's title (kWindowTitle);
// no value for a control no key names.
constexpr std::optional<std::string_view> builtInCaption(Window window, std::string_view control)
{
    for (const CaptionEntry& entry : kCaptions) {
        if (entry.window == window && entry.control == control)
            return entry.builtIn;
    }
    return std::nullopt;
}

// A row of kCaptions that code names. Windows pick their rows by key, never
// by control name: the control names stay declared here alone, in the
// table language files address, and a key is what a window's code means
// ("healthbar"). A key that captions several controls of one window (the
// six "main colour:" labels of the bars window) is told apart by its place
// among them. Both are checked when the window compiles (captionId), so a
// caption can never be missing when a window is made.
struct CaptionId {
    std::size_t row = 0;
    bool operator==(const CaptionId&) const = default;
};

constexpr const CaptionEntry& entry(CaptionId id) { return kCaptions[id.row]; }

namespace detail::captions {

constexpr std::size_t rowCount(Window window, std::string_view key)
{
    std::size_t count = 0;
    for (const CaptionEntry& entry : kCaptions)
        count += entry.window == window && entry.key == key ? 1 : 0;
    return count;
}

} // namespace detail::captions

// The row of a key that sets one control (or text) of a window. A key that
// sets several controls of the window is named with its place among them
// (below); without one it fails to compile, as does a key the window lacks.
consteval CaptionId captionId(Window window, std::string_view key)
{
    if (detail::captions::rowCount(window, key) != 1)
        throw std::logic_error("the window has no caption of this key, or several: name one by its place");
    for (std::size_t row = 0; row < kCaptions.size(); ++row) {
        if (kCaptions[row].window == window && kCaptions[row].key == key)
            return {row};
    }
    return {};
}

// The row of a key that sets several controls of a window, by its place
// among them in the table (0 for the first), which is the order in which a
// language file sets them.
consteval CaptionId captionId(Window window, std::string_view key, std::size_t place)
{
    if (detail::captions::rowCount(window, key) < 2)
        throw std::logic_error("a key of one control of the window needs no place");
    for (std::size_t row = 0; row < kCaptions.size(); ++row) {
        if (kCaptions[row].window == window && kCaptions[row].key == key && place-- == 0)
            return {row};
    }
    throw std::logic_error("the key sets fewer controls of the window than its place says");
}

// The caption row of a window's control; none for a control no key names.
constexpr std::optional<CaptionId> captionOfControl(Window window, std::string_view control)
{
    for (std::size_t row = 0; row < kCaptions.size(); ++row) {
        if (kCaptions[row].window == window && kCaptions[row].control == control)
            return CaptionId{row};
    }
    return std::nullopt;
}

static_assert(
    [] {
        for (int window = 0; window <= static_cast<int>(Window::Form2); ++window) {
            if (!captionOfControl(static_cast<Window>(window), kWindowTitle))
                return false;
        }
        return true;
    }(),
    "every window has a title key");

constexpr CaptionId titleCaption(Window window) { return *captionOfControl(window, kWindowTitle); }

// The version the main window's title shows.
inline constexpr std::string_view kProgramVersion = "0.67 alpha RC3";
static_assert(builtInCaption(Window::Form1, kWindowTitle)->ends_with(kProgramVersion));

} // namespace golv
