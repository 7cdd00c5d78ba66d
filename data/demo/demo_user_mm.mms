# A saved user materia medica: flags 2 tell the engine to open it as the
# user's own, editable materia medica.  Written by the team for the demo.

@id 5C1F9E7A-3B2D-4C8E-9A6F-1E7D2B4C8A93
@name My notes
@text2 Practitioner's own notes
@text3 Demo practitioner
@flags 2

@article puls | Pulsatilla pratensis
Worked well for the child with the thick yellow cold in March.

@article nux-v | Nux vomica
Remember: ask about coffee and late work before prescribing.
