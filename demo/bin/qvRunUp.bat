@echo off
rem qvRunUp.bat - stand-in: would run the monthly update program (%3 is the update name).
rem Leaves its status words in runup.log; a file standin-runup.log in the scratch folder replaces them.
>>"%QV_TMP%\standin.log" echo qvRunUp.bat %*
if exist "%~2\standin-runup.log" (copy /y "%~2\standin-runup.log" "%~2\runup.log" >nul) else (
  echo DIDI>"%~2\runup.log"
  echo DONE>>"%~2\runup.log"
)
