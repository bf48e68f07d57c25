<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name></name>
    <message id="LocalizationMod.kNature">
        <source>Represents</source>
        <extracomment>Caption in front of the nature field of the main window</extracomment>
        <translation>Représente</translation>
    </message>
</context>
</TS>
