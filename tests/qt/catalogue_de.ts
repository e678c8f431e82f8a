<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>zorikan::ui::HelpWindow</name>
    <message>
        <source>ZORIKAN Simulator Help</source>
        <translation>Hilfe zu ZORIKAN Simulator</translation>
    </message>
</context>
<context>
    <name>LanguageFixture</name>
    <message>
        <source>%1 used %2!</source>
        <translation>%2 von %1!</translation>
    </message>
    <message numerus="yes">
        <source>%1 won %n Potions!</source>
        <translation>
            <numerusform>%1 gewinnt einen Heiltrank!</numerusform>
            <numerusform>%1 gewinnt %n Heiltränke!</numerusform>
        </translation>
    </message>
</context>
</TS>
