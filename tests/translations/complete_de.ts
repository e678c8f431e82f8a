<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Battle</name>
    <message>
        <source>%1 used %2!</source>
        <translation>%2 von %1!</translation>
    </message>
    <message>
        <source>Run!</source>
        <translation>Flucht!</translation>
    </message>
    <message>
        <source>Gone</source>
        <translation type="vanished">Fort</translation>
    </message>
</context>
<context>
    <name>zorikan::TForm9</name>
    <message>
        <source>Buy</source>
        <comment>the Mart's button</comment>
        <translation>Kaufen</translation>
    </message>
</context>
<context>
    <name>Tournament</name>
    <message numerus="yes">
        <source>You won %n Potions!</source>
        <translation>
            <numerusform>Dein Preis: ein Heiltrank!</numerusform>
            <numerusform>Dein Preis: %n Heiltränke!</numerusform>
        </translation>
    </message>
</context>
</TS>
