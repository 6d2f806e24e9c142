CREATE TABLE [People] (
  [PersonID] AUTOINCREMENT,
  [FullName] VARCHAR (40),
  [Timer1] VARCHAR (20),
  [datNames] VARCHAR (20),
  [Choice] LONG,
  [Colour] LONG,
  [Speed] LONG,
  [Mixed] LONG,
  [Born] DATETIME
)
