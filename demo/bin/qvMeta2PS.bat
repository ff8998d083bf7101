@echo off
rem qvMeta2PS.bat - stand-in: turns the metafile meta<stem> into <stem>.ps (%3 is the stem).
>>"%QV_TMP%\standin.log" echo qvMeta2PS.bat %*
if exist "%~2\meta%3" type "%~2\meta%3" > "%~2\%3.ps"
